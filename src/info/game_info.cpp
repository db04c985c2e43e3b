#include "info/game_info.h"

#include "info/duration_text.h"
#include "platform/paths.h"
#include "store/record_file.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::info {

namespace {

constexpr std::size_t kBoxLimit = 255;

InfoLine Line(std::string text, InfoColour colour = InfoColour::Unchanged) {
    return {std::move(text), colour};
}

std::string Joined(const std::string& first, const std::string& second, const std::string& third) {
    std::string text = first;
    for (const std::string* more : {&second, &third}) {
        if (!more->empty()) {
            text += " " + *more;
        }
    }
    return store::ToLowerAscii(text);
}

std::string Boxed(std::string_view typed) {
    return std::string(typed.substr(0, kBoxLimit));
}

}  // namespace

GameInfo ComposeGameInfo(const store::GameDatabase& games, int index) {
    const auto field = [&](char code) { return games.Field(index, code); };
    const std::string roms = field('C');
    const std::string samples = field('D');
    const bool needsSamples = !field('L').empty();
    const std::string parent = field('F');
    const std::string launched = field('T');
    const std::string played = field('G');
    const std::string dependencies = field('W');

    GameInfo info;
    info.roms = roms.empty() ? Line("Roms: You don't have the roms set!", InfoColour::Red)
                             : Line("Roms: " + roms, InfoColour::Green);
    if (!needsSamples) {
        info.samples = Line("Samples: This games doesn't need the samples set!", InfoColour::Green);
    } else if (samples.empty()) {
        info.samples = Line("Samples: You don't have the samples set!", InfoColour::Red);
    } else {
        info.samples = Line("Samples: " + samples, InfoColour::Green);
    }
    info.lastPlayed = played.empty() ? Line("Never played at all!", InfoColour::Red)
                                     : Line("Last played on " + played, InfoColour::Black);
    if (launched.empty()) {
        info.launch = Line("Never played at all!", InfoColour::Red);
    } else {
        const bool once = store::ParseLeadingNumber(launched) == 1;
        info.launch = Line("Launched " + launched + (once ? " time, " : " times, ") +
                               "played for " + DurationText(store::ParseLeadingNumber(field('H'))),
                           InfoColour::Black);
    }
    info.cpu = Line("Cpu: " + Joined(field('M'), field('N'), field('O')));
    const std::string sound = field('P');
    info.sound = sound.empty()
                     ? Line("No sound emulated yet!", InfoColour::Red)
                     : Line("Sound: " + Joined(sound, field('Q'), field('R')), InfoColour::Black);
    info.version = Line("Supported from " + field('U'));
    info.insertDate = Line("Inserted on " + field('V'));
    if (!parent.empty()) {
        info.clone = Line("Clone of '" + parent + "'", InfoColour::LightBlue);
    } else {
        info.clone = Line(field('I').empty() ? "Original game!" : "Original game(Neogeo)!",
                          InfoColour::Green);
    }
    const std::string company = field('X');
    info.company = Line("Made by: " + (company.empty() ? std::string("Unknown!") : company));
    const std::string year = field('J');
    info.year = Line(year.empty() ? std::string("(??]") : "(" + year + ")");
    if (!dependencies.empty()) {
        info.status = store::EqualsNoCase(dependencies, "Total")
                          ? Line("Merged!", InfoColour::Red)
                          : Line("Splitted!", InfoColour::Yellow);
    } else if (!parent.empty() && !roms.empty()) {
        info.status = Line("Stand alone!", InfoColour::Green);
    }
    const std::string frameRate = field('K');
    info.frameRate = Line("Average frame rate: " +
                          (frameRate.empty() ? std::string("not available!") : frameRate));
    const bool lacksSamples = needsSamples && samples.empty();
    info.description =
        Line(field('B') + " (" + field('A') + ")", roms.empty()   ? InfoColour::Red
                                                   : lacksSamples ? InfoColour::Yellow
                                                                  : InfoColour::Green);

    info.romButtons = {!roms.empty(), roms.empty() ? "Select" : "Change", true};
    if (needsSamples) {
        info.sampleButtons = {!samples.empty(), samples.empty() ? "Select" : "Change", true};
    } else {
        info.sampleButtons = {false, samples.empty() ? "Select" : "Change", false};
    }

    const std::string executable = field('Z');
    info.executable = executable.empty() ? std::string(kCurrentExecutableText) : executable;
    info.category = field('Y');
    info.favourite = field('E').starts_with('1');
    const std::string rating = field('S');
    info.ratingBand = RatingBand(rating);
    info.rating = info.ratingBand > 0 ? store::TrimmedBlanks(rating) + "%" : std::string("NP");
    return info;
}

int RatingBand(std::string_view rating) {
    const long number = store::ParseLeadingNumber(rating);
    if (number < 1) {
        return 0;
    }
    if (number <= 40) {
        return static_cast<int>((number - 1) / 10 + 1);
    }
    if (number < 50) {
        return 5;
    }
    if (number < 90) {
        return static_cast<int>(number / 10 + 1);
    }
    return number < 95 ? 10 : 11;
}

Award RatingAward(int band) {
    return band == 11 ? Award::GoldMedal : band == 10 ? Award::Smaller : Award::None;
}

std::string NormalisedRating(std::string_view typed) {
    std::string text = Boxed(typed);
    if (text.find('%') != std::string::npos) {
        store::ReplaceChar('%', ' ', text);
        store::TrimBlanks(text);
    }
    const long number = store::ParseLeadingNumber(text);
    if (number > 100) {
        return "100";
    }
    if (number < 1) {
        return "NP";
    }
    return text;
}

std::string StoreRating(store::GameDatabase& games, int index, std::string_view typed) {
    const std::string rating = NormalisedRating(typed);
    games.SetField(index, 'S', rating);
    const long number = store::ParseLeadingNumber(rating);
    return number >= 1 ? std::to_string(number) + "%" : std::string("NP");
}

void StoreFavourite(store::GameDatabase& games, int index, bool favourite) {
    games.SetField(index, 'E', favourite ? "1" : "");
}

bool StoreCategory(store::GameDatabase& games, int index, std::string_view typed) {
    return store::SetRecordValue(games.Line(index), "Y", Boxed(typed));
}

ExecutableChoice StoreExecutable(store::GameDatabase& games, int index,
                                 const store::EmulatorPaths& paths, std::string_view typed) {
    const std::string name = Boxed(typed);
    if (name.empty()) {
        games.SetField(index, 'Z', "");
        return ExecutableChoice::Removed;
    }
    if (store::EqualsNoCase(name, kCurrentExecutableText)) {
        return ExecutableChoice::Kept;
    }
    if (store::FileExists(paths.oldmame + platform::ExecutableFileName(name)) &&
        store::SetRecordValue(games.Line(index), "Z", name)) {
        return ExecutableChoice::Stored;
    }
    games.SetField(index, 'Z', "");
    return ExecutableChoice::Missing;
}

std::string MissingExecutableWarning(std::string_view name, const store::EmulatorPaths& paths) {
    const std::string file = platform::ExecutableFileName(name);
    return "Warning!\nYou have chosen to use another version of mame!\nBut to accomplish this, a "
           "file called '" +
           file + "' must reside in the directory:\n" + paths.directory + "oldmame!\nSo you " +
           "have to copy in this directory the old '" + platform::EmulatorExecutableName() +
           "' and\nto rename it to '" + file + "'";
}

}  // namespace quorvex::info
