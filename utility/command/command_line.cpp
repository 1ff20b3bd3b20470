#include "utility/command/command_line.h"

#include "utility/command/command_message.h"
#include "utility/monitor/picture_mode_names.h"
#include "utility/monitor/picture_modes.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <utility>

namespace {

constexpr int kLastMonitorMode = kModeNotChange - 1;

constexpr std::array<std::pair<CommandControl, std::string_view>, 8> kControls{{
    {CommandControl::Brightness, "brightness"},
    {CommandControl::Contrast, "contrast"},
    {CommandControl::Temperature, "temperature"},
    {CommandControl::Gamma, "gamma"},
    {CommandControl::Red, "red"},
    {CommandControl::Green, "green"},
    {CommandControl::Blue, "blue"},
    {CommandControl::Volume, "volume"},
}};

bool SameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// A whole decimal number with an optional sign.
bool Integer(std::string_view text, int& value) {
    if (!text.empty() && text[0] == '+')
        text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool IsSwitch(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '/';
}

// The words after the verb: what stands alone, and the value of each option.
struct Words {
    std::vector<std::string> plain;
    std::vector<std::pair<std::string, std::string>> options; // name without "/", value
};

bool SplitWords(const std::vector<std::string>& args, Words& words, std::string& error) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (!IsSwitch(args[i])) {
            words.plain.push_back(args[i]);
            continue;
        }
        std::string name = args[i].substr(1);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (name != "monitor" && name != "transmittance" && name != "luminance")
            return (error = "unknown option " + args[i], false);
        if (i + 1 >= args.size())
            return (error = args[i] + " needs a value", false);
        for (const auto& option : words.options) {
            if (option.first == name)
                return (error = args[i] + " is given twice", false);
        }
        words.options.emplace_back(name, args[++i]);
    }
    return true;
}

class Parser {
  public:
    Parser(CommandRequest& request, std::string& error) : m_request(request), m_error(error) {}

    bool Verb(std::string_view word) {
        // "/help", "/?", and the "-help" and "--help" that users try first.
        while (!word.empty() && (word[0] == '/' || word[0] == '-'))
            word.remove_prefix(1);
        static constexpr std::pair<std::string_view, CommandVerb> kVerbs[] = {
            {"help", CommandVerb::Help},       {"?", CommandVerb::Help},
            {"list", CommandVerb::List},       {"mode", CommandVerb::Mode},
            {"get", CommandVerb::Get},         {"set", CommandVerb::Set},
            {"restore", CommandVerb::Restore}, {"filter", CommandVerb::Filter}};
        for (const auto& [name, verb] : kVerbs) {
            if (SameWord(word, name)) {
                m_request.verb = verb;
                return true;
            }
        }
        return Fail("unknown command " + std::string(word));
    }

    bool Rest(const Words& words) {
        if (!Options(words))
            return false;
        const auto& plain = words.plain;
        switch (m_request.verb) {
        case CommandVerb::Help:
        case CommandVerb::List:
            return Count(plain, 0, 0) && NoOptions(words, {});
        case CommandVerb::Mode:
            return Count(plain, 1, 1) && NoOptions(words, {"monitor"}) && Mode(plain[0]);
        case CommandVerb::Get:
            return Count(plain, 1, 1) && NoOptions(words, {"monitor"}) && Control(plain[0]) &&
                   OneMonitor();
        case CommandVerb::Set:
            if (!Count(plain, 2, 2) || !NoOptions(words, {"monitor"}) || !Control(plain[0]))
                return false;
            m_request.value = plain[1];
            return Relative();
        case CommandVerb::Restore:
            m_request.dataName = plain.empty() ? std::string() : plain[0];
            return Count(plain, 1, 1) && NoOptions(words, {"monitor"}) &&
                   (!m_request.dataName.empty() || Fail("the data name is empty"));
        case CommandVerb::Filter:
            return Count(plain, 1, 1) && NoOptions(words, {"transmittance", "luminance"}) &&
                   Picture(plain[0]);
        }
        return false;
    }

  private:
    bool Fail(const std::string& text) {
        m_error = text;
        return false;
    }

    bool Count(const std::vector<std::string>& plain, std::size_t least, std::size_t most) {
        if (plain.size() < least)
            return Fail("an argument is missing");
        return plain.size() <= most || Fail("unexpected argument " + plain[most]);
    }

    bool NoOptions(const Words& words, std::initializer_list<std::string_view> allowed) {
        for (const auto& option : words.options) {
            if (std::find(allowed.begin(), allowed.end(), option.first) == allowed.end())
                return Fail("/" + option.first + " does not go with this command");
        }
        return true;
    }

    bool Options(const Words& words) {
        for (const auto& [name, value] : words.options) {
            int number = 0;
            if (name == "monitor") {
                m_request.target =
                    SameWord(value, "all") ? MonitorTarget::All : MonitorTarget::Label;
                m_request.label = value;
            } else if (name == "transmittance") {
                if (!Integer(value, number) || number < 0 || number > 50)
                    return Fail("the transmittance is a percentage from 0 to 50");
                m_request.transmittance = number;
            } else {
                if (!Integer(value, number) || number < -100 || number > 100)
                    return Fail("the luminance is a number from -100 to 100");
                m_request.luminance = number;
            }
        }
        return true;
    }

    bool OneMonitor() {
        return m_request.target != MonitorTarget::All || Fail("/get reads one monitor");
    }

    // "+10", "-5": a step from the value the box shows, for the settings shown as numbers.
    bool Relative() {
        const std::string& value = m_request.value;
        if (value.empty() || (value[0] != '+' && value[0] != '-'))
            return true;
        int step = 0;
        if (!Integer(value, step))
            return Fail("a step (" + value + ") is a whole number after + or -");
        const CommandControl control = m_request.control;
        return (control != CommandControl::Temperature && control != CommandControl::Gamma) ||
               Fail("the " + std::string(ControlName(control)) + " takes no step, only a value");
    }

    bool Mode(const std::string& text) {
        m_request.mode = ModeNamed(text);
        return m_request.mode >= 0 || Fail("no picture mode is called " + text);
    }

    bool Control(const std::string& text) {
        for (const auto& [control, name] : kControls) {
            if (SameWord(text, name)) {
                m_request.control = control;
                return true;
            }
        }
        return Fail("no setting is called " + text);
    }

    bool Picture(const std::string& text) {
        if (text.empty())
            return Fail("the picture is empty");
        if (SameWord(text, "off")) {
            m_request.filterOff = true;
            if (m_request.transmittance || m_request.luminance)
                return Fail("/filter off takes no transmittance or luminance");
        } else if (std::all_of(text.begin(), text.end(),
                               [](unsigned char c) { return std::isdigit(c); })) {
            if (!Integer(text, m_request.picture) || m_request.picture < 1)
                return Fail("default pictures are numbered from 1");
        } else {
            m_request.pictureFile = text;
        }
        return true;
    }

    CommandRequest& m_request;
    std::string& m_error;
};

} // namespace

std::optional<int> RelativeStep(std::string_view value) {
    int step = 0;
    if (value.empty() || (value[0] != '+' && value[0] != '-') || !Integer(value, step))
        return std::nullopt;
    return step;
}

int ModeNamed(std::string_view text) {
    int number = -1;
    if (Integer(text, number))
        return number >= 0 && number <= kLastMonitorMode ? number : -1;
    for (int mode = 0; mode <= kLastMonitorMode; ++mode) {
        const std::string_view name = ShortModeName(mode);
        if (!name.empty() && (SameWord(text, name) || SameWord(text, EnglishModeName(mode))))
            return mode;
    }
    return -1;
}

std::string_view ControlName(CommandControl control) {
    for (const auto& [each, name] : kControls) {
        if (each == control)
            return name;
    }
    return {};
}

bool ParseCommandLine(const std::vector<std::string>& args, CommandRequest& request,
                      std::string& error) {
    request = CommandRequest{};
    if (args.empty())
        return (error = "no command", false);
    // What the message to the running utility cannot carry is refused before it is sent.
    if (args.size() > kCommandWordsMax)
        return (error = "more than " + std::to_string(kCommandWordsMax) + " words", false);
    for (const std::string& arg : args) {
        if (arg.size() > kCommandWordMax)
            return (error = "a word is longer than " + std::to_string(kCommandWordMax) + " bytes",
                    false);
    }
    Parser parser(request, error);
    Words words;
    return parser.Verb(args[0]) && SplitWords(args, words, error) && parser.Rest(words);
}

std::string CommandUsage() {
    return "DimoraDdcci.exe with a command does it and ends; without one it starts the utility.\n"
           "When the utility runs, the command is carried out by it.\n"
           "\n"
           "  /list                          every monitor: label, model, serial, picture mode\n"
           "  /mode MODE [/monitor LABEL|all]\n"
           "                                 switches the picture mode: its number or its name\n"
           "                                 (text, picture, movie, srgb, game, ...)\n"
           "  /get SETTING [/monitor LABEL]  shows a setting\n"
           "  /set SETTING VALUE [/monitor LABEL|all]\n"
           "                                 changes a setting\n"
           "  /restore \"DATA NAME\" [/monitor LABEL|all]\n"
           "                                 restores named adjustment data\n"
           "  /filter off | IMAGE [/transmittance PERCENT] [/luminance -100..100]\n"
           "                                 the EyeCare Filter: IMAGE is a default picture's\n"
           "                                 number (1, 2, ...) or a picture file; the\n"
           "                                 transmittance runs from 0 to 50\n"
           "  /help                          this text\n"
           "\n"
           "SETTING: brightness, contrast, temperature, gamma, red, green, blue, volume.\n"
           "VALUE as the utility shows it (brightness 64, temperature 6500K, gamma 2.2), or\n"
           "raw:N for the monitor's own number, or a step from the value shown (+10, -5; not for\n"
           "temperature and gamma), held to the range; the new value is printed as /get prints\n"
           "it. LABEL as /list shows it (1-2); without /monitor the current monitor.\n"
           "Without the utility running, a command works alone on the first monitor that can\n"
           "be controlled, and /filter is stored and shown from the utility's next start.\n"
           "Exit status: 0 done; 1 no such monitor, mode, data name or picture; 2 wrong command\n"
           "line; 3 refused (the monitor did not take it, another program owns the monitor, the\n"
           "picture mode does not allow it, the value is out of range, a path not allowed);\n"
           "4 no answer (the monitor did not answer, or the utility is busy or did not answer).\n"
           "Results go to standard output, errors to standard error.\n";
}
