#pragma once

#include <cstdint>

// The FPGA's registers for programming its configuration flash, and the
// commands written to the command register (each after a 0).
namespace EpcsRegisters {
constexpr uint32_t SiliconId = 0xAC;   // read, 1 byte
constexpr uint32_t Status = 0xAF;      // read, 1 byte; bit 0 busy
constexpr uint32_t Command = 0xB0;     // write, 1 byte
constexpr uint32_t PageAddress = 0xC2; // write, 3 bytes, least significant first
constexpr uint32_t PageBuffer = 0x2000; // write, 256 bytes
constexpr uint32_t PageBytes = 256;
enum Code : uint8_t { WriteEnable = 2, Erase = 4, ReadStatus = 8, ProgramPage = 16 };
} // namespace EpcsRegisters
