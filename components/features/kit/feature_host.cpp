#include "components/features/kit/feature_host.h"

#include "components/features/analysis/omission_table.h"
#include "host/game_length.h"
#include "numbers/draw_history.h"
#include "numbers/draw_import.h"
#include "storage/draw_history_file.h"

namespace vesk::features {

IEnvironmentService* FeatureHost::Environment() const
{
    return m_host ? static_cast<IEnvironmentService*>(m_host->GetService(kServiceEnvironment)) : nullptr;
}

int FeatureHost::Length() const
{
    return GameNumberLength(m_host ? static_cast<IGameService*>(m_host->GetService(kServiceGame)) : nullptr);
}

std::string FeatureHost::Directory(SlotInt n) const
{
    IEnvironmentService* environment = Environment();
    const char* folder = environment ? environment->GetDirectory(n) : nullptr;
    return folder ? folder : "";
}

HistoryDraws FeatureHost::LoadHistory() const
{
    HistoryDraws draws;
    const std::string folder = Directory(kDataDirectory);
    if (folder.empty() || Length() == 0)
        return draws;
    const DrawHistoryRead read = ReadDrawHistoryFile(folder + kDrawHistoryFileName, Length());
    if (!read.history)
        return draws;
    const DrawHistory& history = *read.history;
    draws.codes.reserve(history.Draws().size());
    draws.periods.reserve(history.Draws().size());
    for (const Draw& draw : history.Draws()) {
        draws.codes.push_back(draw.code);
        draws.periods.push_back(draw.period ? std::to_string(*draw.period) : std::string());
    }
    draws.dataEnd = DataEndText(history);
    return draws;
}

std::string FeatureHost::MissingHistoryText() const
{
    return "没有开奖数据：请先导入开奖号码（数据文件 " + Directory(kDataDirectory) + kDrawHistoryFileName + "，每行一期）。";
}

std::string FeatureHost::ReadBytes(SlotInt option) const
{
    IEnvironmentService* environment = Environment();
    if (!environment)
        return {};
    const SlotInt length = environment->ReadOption(option, nullptr);
    if (length <= 0)
        return {};
    std::string bytes(static_cast<std::size_t>(length), '\0');
    if (environment->ReadOption(option, bytes.data()) != length)
        return {};
    return bytes;
}

void FeatureHost::WriteBytes(SlotInt option, const std::string& bytes) const
{
    if (IEnvironmentService* environment = Environment())
        environment->WriteOption(option, static_cast<SlotInt>(bytes.size()), bytes.data());
}

std::optional<std::uint32_t> FeatureHost::ReadNumber(SlotInt option) const
{
    const std::string bytes = ReadBytes(option);
    if (bytes.size() != 4)
        return std::nullopt;
    const auto byte = [&](int i) { return static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[i])); };
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

void FeatureHost::WriteNumber(SlotInt option, std::uint32_t value) const
{
    const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
                           static_cast<char>(value >> 24)};
    WriteBytes(option, std::string(bytes, 4));
}

std::size_t FeatureHost::ReadWindow(SlotInt option) const
{
    const std::optional<std::uint32_t> value = ReadNumber(option);
    if (value) {
        for (std::size_t choice : analysis::kWindowChoices)
            if (choice == *value)
                return choice;
    }
    return analysis::kDefaultWindow;
}

} // namespace vesk::features
