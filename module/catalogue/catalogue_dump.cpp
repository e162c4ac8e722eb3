#include "module/catalogue/catalogue_dump.h"

#include "numbers/gbk_text.h"

#include <cstdio>
#include <ostream>
#include <span>

namespace vesk::catalogue {

namespace {

std::string Quoted(std::string_view gbk)
{
    std::string text = "\"";
    for (char c : GbkToUtf8(gbk)) {
        if (c == '"' || c == '\\')
            text += '\\';
        text += c;
    }
    return text + '"';
}

std::string Flags(std::uint8_t flags, std::uint32_t gameFlags)
{
    char text[48];
    std::snprintf(text, sizeof text, "flags=0x%02X games=0x%08X", flags, gameFlags);
    return text;
}

} // namespace

void DumpCatalogue(const Catalogue& catalogue, std::ostream& out)
{
    out << "# version " << unsigned{catalogue.GetHeader().version} << ", "
        << catalogue.CategoryCount() << " categories\n";
    for (const Category& category : catalogue.Categories()) {
        const CategoryRecord& c = category.record;
        out << "category " << c.key << ' ' << Quoted(FieldText(c.text)) << ' '
            << Flags(c.flags, c.gameFlags) << '\n';
        for (const Group& group : std::span(category.groups, c.groupCount)) {
            const GroupRecord& g = group.record;
            out << "  group ";
            if (g.name[0] != '\0')
                out << Quoted(FieldText(g.name)) << ' ';
            out << Flags(g.flags, g.gameFlags);
            if (g.reserved != 0)
                out << " byte0=" << unsigned{g.reserved};
            out << '\n';
            for (const ItemRecord& item : std::span(group.items, g.itemCount)) {
                out << "    item " << item.key << ' ' << Quoted(FieldText(item.text)) << ' '
                    << Flags(item.flags, item.gameFlags) << '\n';
            }
        }
    }
}

} // namespace vesk::catalogue
