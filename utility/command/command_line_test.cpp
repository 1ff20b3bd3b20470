// The command line as users type it: what each accepted form asks for, and what is refused as a
// wrong command line.
#include "utility/command/command_line.h"

#include <gtest/gtest.h>

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

TEST(CommandLine, AcceptsEachCommandInItsForms) {
    const struct {
        Args args;
        std::string summary;
    } cases[] = {
        {{"/list"}, "1 target=0: mode=-1 control=brightness value= data= filter=0 t=-1 l=-1"},
        {{"-HELP"}, "0 target=0: mode=-1 control=brightness value= data= filter=0 t=-1 l=-1"},
        {{"/?"}, "0 target=0: mode=-1 control=brightness value= data= filter=0 t=-1 l=-1"},
        // Modes by number, short or full English name, any case.
        {{"/mode", "2"}, "2 target=0: mode=2 control=brightness value= data= filter=0 t=-1 l=-1"},
        {{"/Mode", "cinema", "/monitor", "1-2"},
         "2 target=1:1-2 mode=33 control=brightness value= data= filter=0 t=-1 l=-1"},
        {{"/mode", "SRGB MODE", "/MONITOR", "All"},
         "2 target=2:All mode=4 control=brightness value= data= filter=0 t=-1 l=-1"},
        {{"/mode", "DICOM-CL"},
         "2 target=0: mode=8 control=brightness value= data= filter=0 t=-1 l=-1"},
        {{"/get", "Temperature", "/monitor", "1"},
         "3 target=1:1 mode=-1 control=temperature value= data= filter=0 t=-1 l=-1"},
        {{"/set", "gamma", "2.2"},
         "4 target=0: mode=-1 control=gamma value=2.2 data= filter=0 t=-1 l=-1"},
        {{"/set", "volume", "raw:40", "/monitor", "all"},
         "4 target=2:all mode=-1 control=volume value=raw:40 data= filter=0 t=-1 l=-1"},
        {{"/restore", "Night work"},
         "5 target=0: mode=-1 control=brightness value= data=Night work filter=0 t=-1 l=-1"},
        {{"/filter", "off"},
         "6 target=0: mode=-1 control=brightness value= data= filter=off0 "
         "t=-1 l=-1"},
        {{"/filter", "2", "/luminance", "-20", "/transmittance", "50"},
         "6 target=0: mode=-1 control=brightness value= data= filter=2 t=50 l=-20"},
        {{"/filter", "C:\\pics\\sea.png", "/transmittance", "0"},
         "6 target=0: mode=-1 control=brightness value= data= filter=0C:\\pics\\sea.png t=0 "
         "l=-1"},
    };
    for (const auto& c : cases) {
        CommandRequest request;
        std::string error;
        ASSERT_TRUE(ParseCommandLine(c.args, request, error)) << c.args[0] << ": " << error;
        EXPECT_EQ(Summary(request), c.summary) << c.args[0];
    }
}

TEST(CommandLine, RefusesWhatDoesNotFit) {
    const struct {
        Args args;
        std::string error;
    } cases[] = {
        {{}, "no command"},
        {{"/start"}, "unknown command start"},
        {{"/mode"}, "an argument is missing"},
        {{"/mode", "37"}, "no picture mode is called 37"},
        {{"/mode", "Not change the mode"}, "no picture mode is called Not change the mode"},
        {{"/mode", "warm"}, "no picture mode is called warm"},
        {{"/mode", "2", "3"}, "unexpected argument 3"},
        {{"/mode", "2", "/monitor"}, "/monitor needs a value"},
        {{"/mode", "2", "/monitor", "1", "/monitor", "2"}, "/monitor is given twice"},
        {{"/mode", "2", "/luminance", "3"}, "/luminance does not go with this command"},
        {{"/get", "sharpness"}, "no setting is called sharpness"},
        {{"/get", "volume", "/monitor", "all"}, "/get reads one monitor"},
        {{"/set", "brightness"}, "an argument is missing"},
        {{"/restore", ""}, "the data name is empty"},
        {{"/list", "/monitor", "1"}, "/monitor does not go with this command"},
        {{"/filter", "0"}, "default pictures are numbered from 1"},
        {{"/filter", "off", "/luminance", "5"}, "/filter off takes no transmittance or luminance"},
        {{"/filter", "1", "/transmittance", "51"},
         "the transmittance is a percentage from 0 to 50"},
        {{"/filter", "1", "/luminance", "-101"}, "the luminance is a number from -100 to 100"},
        {{"/filter", "1", "/luminance", "5x"}, "the luminance is a number from -100 to 100"},
        {{"/filter", "1", "/brightness", "5"}, "unknown option /brightness"},
    };
    for (const auto& c : cases) {
        CommandRequest request;
        std::string error;
        EXPECT_FALSE(ParseCommandLine(c.args, request, error)) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

} // namespace
