#include "tools/cli_docs/man_page.h"

#include <sstream>

namespace vesk::cli_docs {
namespace {

// The tool's one-line description: the first sentence after its usage line.
std::string Description(const std::string& toolText)
{
    const std::size_t paragraph = toolText.find("\n\n");
    if (paragraph == std::string::npos)
        return "batch work on number files";
    const std::size_t start = paragraph + 2;
    std::size_t end = toolText.find('.', start);
    if (end == std::string::npos)
        end = toolText.find('\n', start);
    std::string sentence = toolText.substr(start, end - start);
    for (char& c : sentence) {
        if (c == '\n')
            c = ' ';
    }
    if (!sentence.empty() && sentence[0] >= 'A' && sentence[0] <= 'Z')
        sentence[0] = static_cast<char>(sentence[0] - 'A' + 'a');
    return sentence;
}

void Literal(std::ostream& out, const std::string& text)
{
    out << ".nf\n" << TroffLiteral(text);
    if (!text.empty() && text.back() != '\n')
        out << '\n';
    out << ".fi\n";
}

} // namespace

std::string TroffLiteral(const std::string& text)
{
    std::string result;
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && (c == '.' || c == '\''))
            result += "\\&";
        if (c == '\\')
            result += "\\e";
        else if (c == '-')
            result += "\\-";
        else
            result += c;
        lineStart = c == '\n';
    }
    return result;
}

std::string ManPage(const HelpOutline& outline, const std::string& version)
{
    std::ostringstream out;
    out << ".TH VESK\\-CLI 1 \"\" \"3DVesk " << version << "\" \"User Commands\"\n";
    out << ".SH NAME\nvesk\\-cli \\- " << TroffLiteral(Description(outline.toolText)) << '\n';
    out << ".SH SYNOPSIS\n.B vesk\\-cli\n.I COMMAND\n[\\fIOPTIONS\\fR] [\\fIARGS\\fR]\n.br\n"
        << ".B vesk\\-cli\n\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR\n";
    out << ".SH DESCRIPTION\n";
    Literal(out, outline.toolText);
    out << ".SH COMMANDS\n";
    for (const CommandHelp& command : outline.commands) {
        out << ".SS " << TroffLiteral(command.name) << '\n';
        Literal(out, command.text);
    }
    return out.str();
}

} // namespace vesk::cli_docs
