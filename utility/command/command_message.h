// A command as it travels from the starting process to the running utility (the data of a
// WM_COPYDATA message): the window the answer goes to and the words of the command line. Any
// program of the session can send one, so reading it trusts nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// WM_COPYDATA's dwData for a command and for its answer.
inline constexpr std::uint32_t kCommandRequestTag = 0x44434D31; // "1MCD"
inline constexpr std::uint32_t kCommandAnswerTag = 0x44434D41;  // "AMCD"
// What the utility answers a command it carried out: this bit with the exit status.
inline constexpr std::uint32_t kCommandAnswered = 0x100;

inline constexpr std::size_t kCommandWordsMax = 32;
inline constexpr std::size_t kCommandWordMax = 1024;
// The largest request (the header and 32 words of 1024 bytes with their zero bytes) and the
// largest answer text either side reads.
inline constexpr std::size_t kCommandMessageMax = 5 + kCommandWordsMax * (kCommandWordMax + 1);
inline constexpr std::size_t kCommandAnswerMax = 1 << 16;
// The class of the starting process's reply window.
inline constexpr char kCommandReplyClass[] = "DimoraCommandReply";

struct CommandMessage {
    std::uint32_t replyWindow = 0; // a window handle's 32 significant bits
    std::vector<std::string> words;
};

// Version 1: the reply window (32 bits, little-endian), then each word ended by a zero byte.
std::vector<std::uint8_t> EncodeCommandMessage(const CommandMessage& message);
// False, with `message` untouched, for anything but a version 1 message of 1 ... 32 words of at
// most 1024 bytes each.
bool DecodeCommandMessage(const std::uint8_t* data, std::size_t size, CommandMessage& message);

// A WM_COPYDATA as it arrives, before anything is read: `present` is false for an lParam of 0.
struct CopyDataView {
    bool present = false;
    std::uint32_t tag = 0; // dwData
    const void* data = nullptr;
    std::size_t size = 0;
};

// The utility's end: false, before anything is read, for a missing structure, another tag, no
// data or more than a request can hold; then as DecodeCommandMessage.
bool ReadCommandRequest(const CopyDataView& copy, CommandMessage& message);
// The answer's data: the results, then, after a zero byte, the errors.
std::string EncodeCommandAnswer(const std::string& text, const std::string& errors);
// The starting process's end: the answer's results and errors, or false for anything but an
// answer of at most kCommandAnswerMax bytes.
bool ReadCommandAnswer(const CopyDataView& copy, std::string& text, std::string& errors);

// What the utility knows of the window a request names for its answer. Windows does not say who
// sent a message: the sender is the process of the window the message names as its own (wParam).
struct ReplyWindowFacts {
    bool exists = false;
    std::string className;
    std::uint32_t process = 0;       // the reply window's
    std::uint32_t senderProcess = 0; // 0 when wParam is no window
};
// The answer goes only to an existing reply window of the client's class in the sender's process.
bool ReplyWindowAcceptable(const ReplyWindowFacts& facts);
