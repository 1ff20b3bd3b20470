// The command line as users type it: what each accepted form asks for, and what is refused as a
// wrong command line.
#include "utility/command/command_line.h"
#include "utility/command/start_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

using Args = std::vector<std::string>;

// The parts of a request that a case checks, as one line.
std::string Summary(const CommandRequest& r) {
    std::ostringstream out;
    out << static_cast<int>(r.verb) << " target=" << static_cast<int>(r.target) << ":" << r.label
        << " mode=" << r.mode << " control=" << ControlName(r.control) << " value=" << r.value
        << " data=" << r.dataName << " filter=" << (r.filterOff ? "off" : "") << r.picture
        << r.pictureFile << " t=" << r.transmittance.value_or(-1)
        << " l=" << r.luminance.value_or(-1);
    return out.str();
}

// The words of a command line written as one text; "_" stands for a blank inside a word.
Args Words(const std::string& line) {
    std::istringstream in(line);
    Args words;
    for (std::string word; in >> word;) {
        std::replace(word.begin(), word.end(), '_', ' ');
        words.push_back(word);
    }
    return words;
}

TEST(CommandLine, AcceptsEachCommandInItsForms) {
    const std::string none = " mode=-1 control=brightness value= data= filter=0 t=-1 l=-1";
    const struct {
        std::string line;
        std::string summary;
    } cases[] = {
        {"/list", "1 target=0:" + none},
        {"-HELP", "0 target=0:" + none},
        // Modes by number, short or full English name, any case.
        {"/mode 2", "2 target=0: mode=2" + none.substr(8)},
        {"/Mode cinema /monitor 1-2",
         "2 target=1:1-2 mode=33 control=brightness value= data= filter=0 t=-1 l=-1"},
        {"/mode SRGB_MODE /MONITOR All",
         "2 target=2:All mode=4 control=brightness value= data= filter=0 t=-1 l=-1"},
        {"/get Temperature /monitor 1",
         "3 target=1:1 mode=-1 control=temperature value= data= filter=0 t=-1 l=-1"},
        {"/set gamma 2.2", "4 target=0: mode=-1 control=gamma value=2.2 data= filter=0 t=-1 l=-1"},
        {"/set volume -5", "4 target=0: mode=-1 control=volume value=-5 data= filter=0 t=-1 l=-1"},
        {"/set volume raw:40 /monitor all",
         "4 target=2:all mode=-1 control=volume value=raw:40 data= filter=0 t=-1 l=-1"},
        {"/restore Night_work",
         "5 target=0: mode=-1 control=brightness value= data=Night work filter=0 t=-1 l=-1"},
        {"/filter off",
         "6 target=0: mode=-1 control=brightness value= data= filter=off0 t=-1 l=-1"},
        {"/filter 2 /luminance -20 /transmittance 50",
         "6 target=0: mode=-1 control=brightness value= data= filter=2 t=50 l=-20"},
        {"/filter C:\\pics\\sea.png /transmittance 0",
         "6 target=0: mode=-1 control=brightness value= data= filter=0C:\\pics\\sea.png t=0 l=-1"},
    };
    for (const auto& c : cases) {
        CommandRequest request;
        std::string error;
        ASSERT_TRUE(ParseCommandLine(Words(c.line), request, error)) << c.line << ": " << error;
        EXPECT_EQ(Summary(request), c.summary) << c.line;
    }
}

TEST(CommandLine, RefusesWhatDoesNotFit) {
    const struct {
        std::string line;
        std::string error;
    } cases[] = {
        {"", "no command"},
        {"/start", "unknown command start"},
        {"/mode", "an argument is missing"},
        {"/mode 37", "no picture mode is called 37"},
        {"/mode Not_change_the_mode", "no picture mode is called Not change the mode"},
        {"/mode 2 3", "unexpected argument 3"},
        {"/mode 2 /monitor", "/monitor needs a value"},
        {"/mode 2 /monitor 1 /monitor 2", "/monitor is given twice"},
        {"/mode 2 /luminance 3", "/luminance does not go with this command"},
        {"/get sharpness", "no setting is called sharpness"},
        {"/get volume /monitor all", "/get reads one monitor"},
        {"/set brightness +1.5", "a step (+1.5) is a whole number after + or -"},
        {"/set gamma -1", "the gamma takes no step, only a value"},
        {"/list /monitor 1", "/monitor does not go with this command"},
        {"/filter 0", "default pictures are numbered from 1"},
        {"/filter off /luminance 5", "/filter off takes no transmittance or luminance"},
        {"/filter 1 /transmittance 51", "the transmittance is a percentage from 0 to 50"},
        {"/filter 1 /luminance 5x", "the luminance is a number from -100 to 100"},
        {"/filter 1 /brightness 5", "unknown option /brightness"},
    };
    for (const auto& c : cases) {
        CommandRequest request;
        std::string error;
        EXPECT_FALSE(ParseCommandLine(Words(c.line), request, error)) << c.line;
        EXPECT_EQ(error, c.error);
    }
    // An empty data name cannot be typed as one word.
    CommandRequest request;
    std::string error;
    EXPECT_FALSE(ParseCommandLine({"/restore", ""}, request, error));
    EXPECT_EQ(error, "the data name is empty");
}

// The program's own line as Windows hands it over (a Run value is run as it is, unquoted), with
// the module path C:\Program Files (x86)\Orvane\DimoraDdcci.exe: the command's words, or "" to
// start the utility.
TEST(CommandLine, TakesACommandOnlyAfterTheProgramsOwnPath) {
    const std::string module = "C:\\Program Files (x86)\\Orvane\\DimoraDdcci.exe";
    const struct {
        std::string raw;
        std::string words; // joined by '|'
    } cases[] = {
        {"\"" + module + "\"", ""},
        {module, ""}, // the C runtime makes "Files" and "(x86)\..." arguments of it
        {"\"" + module + "\" /list", "/list"},
        {module + " /mode movie /monitor 1-2", "/mode|movie|/monitor|1-2"},
        {"  " + module + "\t\t/restore   \"Night work\"  ", "/restore|Night work"},
        {"\"" + module + "\"/help", "/help"},
        {"c:\\program files (x86)\\orvane\\dimoraddcci.exe /list", "/list"},
        {module + "x /list", ""},                      // another file: split at the blank
        {"C:\\Program Files (x86)\\Orvane /list", ""}, // a prefix of the path, not it
        {"DimoraDdcci.exe /filter \"C:\\My Pics\\a\\\"b\\\\\" x", "/filter|C:\\My Pics\\a\"b\\|x"},
        {"DimoraDdcci /set gamma \"2.2\"\"\"", "/set|gamma|2.2\""},
        {"DimoraDdcci.exe -help", ""},
        {"DimoraDdcci.exe \"\" /list", ""},
        {"\"" + module, ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        const StartLine line = ReadStartLine(c.raw, module);
        std::string words;
        for (const auto& word : line.words)
            words += (words.empty() ? "" : "|") + word;
        EXPECT_EQ(words, c.words) << c.raw;
        EXPECT_EQ(line.command, !c.words.empty()) << c.raw;
    }
}

} // namespace
