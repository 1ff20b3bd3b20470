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

struct CommandMessage {
    std::uint32_t replyWindow = 0; // a window handle's 32 significant bits
    std::vector<std::string> words;
};

// Version 1: the reply window (32 bits, little-endian), then each word ended by a zero byte.
std::vector<std::uint8_t> EncodeCommandMessage(const CommandMessage& message);
// False, with `message` untouched, for anything but a version 1 message of 1 ... 32 words of at
// most 1024 bytes each.
bool DecodeCommandMessage(const std::uint8_t* data, std::size_t size, CommandMessage& message);
