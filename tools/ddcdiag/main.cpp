// ddcdiag: diagnostics over the monitor layer, for developers and for support. The command table
// below is both the dispatch and the help text.
#include "tools/ddcdiag/commands.h"

#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Args = std::span<char* const>;

// A handler's answer when its arguments do not fit its synopsis.
constexpr int kUsageError = -1;

struct Command {
    std::string_view name;
    std::string_view arguments;   // after the name in the synopsis; empty when none
    std::string_view description; // help lines, each indented by six blanks
    int (*run)(Args args);        // exit code, or kUsageError
};

bool IsSimOption(Args args) {
    return args.size() == 2 && std::string_view(args[0]) == "--sim";
}

int ParseCaps(Args args) {
    return args.empty() ? ParseCapsCommand(std::cin, std::cout) : kUsageError;
}

int ParseVendorPages(Args args) {
    return args.empty() ? ParseVendorPagesCommand(std::cin, std::cout) : kUsageError;
}

int ParseInfo(Args args) {
    return args.empty() ? ParseInfoCommand(std::cin, std::cout) : kUsageError;
}

int List(Args args) {
    if (args.empty())
        return ListRealMonitors(std::cout, std::cerr);
    return IsSimOption(args) ? ListSimulatedCommand(args[1], std::cout, std::cerr) : kUsageError;
}

int Run(Args args) {
    return IsSimOption(args) ? RunCommand(args[1], std::cin, std::cout, std::cerr) : kUsageError;
}

int ParseEdid(Args args) {
    return args.empty() ? ParseEdidCommand(std::cin, std::cout) : kUsageError;
}

std::vector<std::string> Strings(Args args) {
    return std::vector<std::string>(args.begin(), args.end());
}

int Caps(Args args) {
    return CapsCommand(Strings(args), std::cout, std::cerr);
}

int Get(Args args) {
    return AccessCommand(AccessKind::Get, Strings(args), std::cout, std::cerr);
}

int Set(Args args) {
    return AccessCommand(AccessKind::Set, Strings(args), std::cout, std::cerr);
}

int Vendor(Args args) {
    return AccessCommand(AccessKind::Vendor, Strings(args), std::cout, std::cerr);
}

int Report(Args args) {
    return ReportCommand(Strings(args), std::cout, std::cerr);
}

int Help(Args args);

const Command kCommands[] = {
    {"parse-caps", "",
     R"(      Input: one capabilities string per line (the line's bytes without its newline).
      Output: "ok" or "fail", then for every entry of the capability codes map in map order
      (ascending code; entries of one code in insertion order) a space and CC=V, CC two
      lower-case hex digits, V "*" for a code listed without values, else two hex digits.
      Example: ok 02=* 04=* 10=* 12=* 14=05 14=08 14=0b 16=*
)",
     ParseCaps},
    {"parse-vendor-pages", "",
     R"(      The same for the vendor page map, entries PPPP.CC=V (page four hex digits).
      Example: ok 0010.e2=* 0030.e2=00
)",
     ParseVendorPages},
    {"parse-info", "",
     R"(      Input: one monitor-information block per line as hex digits (up to 255 bytes; fewer are
      padded with zero bytes). Output: "fail", or
        ok v1=… modes=… temps=… v7=… gamma=… audio=… extra=… feature=… flags=f0,f1,…,f37
      every number lower-case hex without leading zeros: information value 1, picture-mode
      mask, colour-temperature mask, information value 7, gamma mask, audio flags, extra value,
      feature word and the 38 per-mode adjustment flags.
)",
     ParseInfo},
    {"parse-edid", "",
     R"(      Input: one EDID per line as hex digits (blanks ignored; a line starting with "#" is a
      comment); the base block (the first 128 bytes) is decoded as libpanq reads it. Output:
      "invalid" (no EDID header, or fewer than 128 bytes), or
        mfg=AAA product=N serial=N week=N year=N version=M.m name="…" serial_text="…"
      the manufacturer's three letters (each 5-bit code c as the character 0x40 + c), product
      code and binary serial number in decimal, the week as stored (255: the year is a model
      year), year 1990 + byte 17, version.revision, and the texts of the first monitor-name
      (0xFC) and serial-number (0xFF) descriptors, cut at a line feed or zero and trimmed of
      blanks (empty when there is none).
)",
     ParseEdid},
    {"list", "[--sim FILE]",
     R"(      Enumerates the monitors (the simulated ones of FILE; without --sim the real ones, Windows
      only) and prints:
        entries N
        entry I label=L display=D device=NAME desktop=X,Y description="…" supported
        entry I … unsupported: WHICH CHECK FAILED
        monitors M
        monitor I label=L serial=S model=M key=K modes=NAME,NAME,… [current]
      Exit code 0, or 1 when no monitor can be controlled.
)",
     List},
    {"caps", "[--monitor LABEL] [--sim FILE]",
     R"(      Reads the capabilities string of every monitor (or of the one labelled LABEL, as `list`
      prints labels) again and prints, per monitor:
        monitor L device=NAME model=M serial=S     (or description="…" not controlled: WHY)
        > caps, its bus events (as `run` prints them), = ok | fail
        text THE CAPABILITIES STRING
        parse ok|fail CC=V …                      (as parse-caps)
        vendor-pages THE VENDOR PAGE LIST          (when the enumeration read one)
        parse ok PPPP.CC=V …                       (as parse-vendor-pages)
      Without --sim the real monitors (Windows). Exit code 0, or 1 when a capabilities string
      could not be read or parsed or there is no such monitor, 2 when FILE cannot be loaded.
)",
     Caps},
    {"get", "CODE [--monitor LABEL] [--sim FILE]",
     R"(      Reads standard VCP code CODE (hex) of the first controlled monitor (or of LABEL) inside
      the ownership bracket, printing each step as caps does: > take, > read CC, > release.
      A read that works ends "= ok current=N maximum=N" (decimal). A step that sent nothing
      says why, for example: = fail (not sent: the monitor does not declare code 14).
      Quit the utility first: like the utility, this tool takes an owner register that a copy
      of the utility holds as free.
      Exit code 0, or 1 when the read failed or there is no such monitor.
)",
     Get},
    {"set", "CODE VALUE [--monitor LABEL] [--sim FILE]",
     R"(      Writes VALUE (decimal or 0x hex, at most 0xFFFF) to standard VCP code CODE the same way
      (> write CC V): only codes the monitor declares, values it lists and codes with a write
      pause are sent. Get and set send nothing after a take that failed.
)",
     Set},
    {"vendor", "PAGE CODE [VALUE] [--monitor LABEL] [--sim FILE]",
     R"(      Reads (without VALUE) or writes code CODE of vendor page PAGE (both hex, page not 0)
      the same way: the page register is written first, and the owner register must be held.
)",
     Vendor},
    {"report", "[--sim FILE]",
     R"(      Writes the text to attach to a support request (redirect it: ddcdiag report > report.txt):
      the system, whether the utility runs (quit it first), every display device, every EDID
      the system keeps (as parse-edid) and libpanq's records, then per physical monitor what
      list, caps and the owner register show, its picture mode, and per code over five reads
      the call's fastest, median and slowest time in ms with its failures and time-outs; then
      the utility's settings under HKEY_CURRENT_USER and the bus totals. A monitor whose DDC/CI
      channel timed out at discovery is reported as not answering and read no further, so a
      dead channel adds one time-out. Exit code 0, 2 when FILE cannot be loaded.
)",
     Report},
    {"run", "--sim FILE",
     R"(      Runs monitor operations against the monitors described in FILE (format: sim/README.md).
      Input, one operation per line (PAGE and CODE in hex as in "30 e2"; VALUE, SLOT and
      CAPACITY decimal or 0x-prefixed hex; SKIP and RETRY 0 or 1; "#" starts a comment):
        monitor N                     work on described monitor N (0-based, default 0)
        take RETRY                    TakeOwnership
        release                       ReleaseOwnership
        read PAGE CODE SKIP RETRY     ReadFeature (page 0 = standard MCCS codes)
        write PAGE CODE VALUE SKIP    WriteFeature
        group-read SKIP               ReadFeatureGroup (page e0, codes e4-e7)
        group-write V0 V1 V2 V3 SKIP  WriteFeatureGroup
        block SLOT CAPACITY SKIP      ReadBlock
        permitted                     IsAdjustmentPermitted
      SKIP means the page register is not written first. The monitor maps are parsed from the
      description's capabilities string and slot-0 text, as an enumeration would.
      Output per operation:
        > the input line
        one line per bus event, in order:
          get CC ok cur=X max=Y | get CC fail     a VCP read (values lower-case hex)
          set CC=V ok | set CC=V fail             a VCP write (V lower-case hex)
          caps ok | caps fail                     a capabilities request
          sleep MS                                a pause (decimal milliseconds)
        = RESULT, one of:
          ok | fail
          ok cur=X max=Y                          read
          ok e4=A e5=B e6=C e7=D                  group-read
          ok len=N data=HEX                       block (N bytes, two hex digits each)
          error: WHY                              the line was not understood
      After the last line: total bus=MSms transactions=N
      Exit code 0, or 1 when a line was not understood, 2 when FILE cannot be loaded.
)",
     Run},
    {"--help", "", "      This text.\n", Help},
};

void PrintHelp(std::ostream& out) {
    out << "usage: ddcdiag COMMAND [OPTIONS]\n\n"
           "Commands (the parse commands read standard input and write one result per input "
           "line):\n";
    for (const Command& command : kCommands) {
        out << "\n  " << command.name;
        if (!command.arguments.empty())
            out << ' ' << command.arguments;
        out << '\n' << command.description;
    }
}

int Help(Args args) {
    if (!args.empty())
        return kUsageError;
    PrintHelp(std::cout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2) {
        const std::string_view name = argv[1];
        for (const Command& command : kCommands) {
            if (command.name != name)
                continue;
            const int rc = command.run(Args(argv + 2, static_cast<std::size_t>(argc - 2)));
            if (rc != kUsageError)
                return rc;
            break;
        }
    }
    PrintHelp(std::cerr);
    return 2;
}
