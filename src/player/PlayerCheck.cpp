#include "player/PlayerCheck.h"

#include <array>
#include <memory>

#include "core/ShowLayout.h"
#include "files/SettingsFile.h"
#include "playback/Tempo.h"
#include "player/FileProblems.h"

namespace korvanel {

std::string channelsUsed(const ShowImage &show)
{
    std::array<bool, ChannelCount + 2> used{};
    const std::size_t last = show[SysLastScene];
    for (std::size_t scene = 0; scene <= last; ++scene) {
        for (std::size_t channel = 1; channel <= ChannelCount; ++channel)
            used[channel] = used[channel] || show[sceneByte(scene, channel)] != 0;
    }
    std::size_t count = 0;
    std::string ranges;
    for (std::size_t channel = 1; channel <= ChannelCount; ++channel) {
        if (!used[channel])
            continue;
        ++count;
        if (used[channel - 1])
            continue;
        std::size_t end = channel;
        while (used[end + 1])
            ++end;
        if (!ranges.empty())
            ranges.append(", ");
        ranges.append(std::to_string(channel));
        if (end > channel)
            ranges.append("-").append(std::to_string(end));
    }
    if (count == 0)
        return "0";
    return std::to_string(count).append(" (").append(ranges).append(")");
}

PlayerCheck checkPlayerFiles(const PlayerOptions &options, const PlayerWords &words)
{
    PlayerCheck check;
    int files = 0;
    int failed = 0;
    const auto fine = [&](const std::string &line) {
        ++files;
        check.report += line + "\n";
    };
    const auto wrong = [&](const std::string &path, const std::string &problem) {
        ++files;
        ++failed;
        check.report += words(Say::CheckFailed, {path, problem}) + "\n";
    };

    auto show = std::make_unique<ShowImage>();
    for (const std::string &path : options.shows) {
        const FileResult result = readShowImage(path, *show);
        if (!result.ok()) {
            wrong(path, showFileProblem(path, result, words));
            continue;
        }
        // What would play: the tempo given on the command line over the stored one.
        const std::uint8_t tempo = clampSequencerTempo(options.tempo.value_or((*show)[SysTempo]));
        fine(words(Say::CheckShow,
                   {path, std::to_string((*show)[SysLastScene] + 1), std::to_string(tempo),
                    std::to_string(sequencerIntervalMs(tempo)), channelsUsed(*show)}));
    }

    std::string coder = options.coderFile;
    if (!options.settingsFile.empty()) {
        if (const auto problem = settingsFileProblem(options.settingsFile, words)) {
            wrong(options.settingsFile, *problem);
        } else {
            const IniSettings settings = ReadIniFile(options.settingsFile);
            if (coder.empty())
                coder = settings.Coder;
            fine(settings.Coder.empty() ? words(Say::CheckSettingsNoCoder, {options.settingsFile})
                                        : words(Say::CheckSettings, {options.settingsFile, settings.Coder}));
        }
    }
    if (!coder.empty()) {
        CoderEntries entries{};
        const CoderFileResult result = readCoderTableFile(coder, entries);
        if (result.ok())
            fine(words(Say::CheckCoder, {coder}));
        else
            wrong(coder, coderFileProblem(result, words));
    }

    check.report += failed == 0 ? words(Say::CheckAllFine, {std::to_string(files)})
                                : words(Say::CheckSomeFailed, {std::to_string(files), std::to_string(failed)});
    check.report += "\n";
    check.exitCode = failed == 0 ? 0 : 2;
    return check;
}

} // namespace korvanel
