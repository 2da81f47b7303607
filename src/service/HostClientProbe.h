#pragma once

#include "service/AesCipher.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// The system calls the host-client detection makes. Under Wine no drive is on a USB bus, so
// tests put in their own drive list and bus answer; nothing outside the process can.
struct HostClientSystemCalls {
    DWORD(WINAPI* getLogicalDriveStrings)(DWORD nBufferLength, LPWSTR pBuffer);
    bool (*isUsbDrive)(const std::wstring& root);
};
const HostClientSystemCalls& RealHostClientSystemCalls();

// Whether the volume of a root such as "E:\" sits on a USB bus. Probing a card reader or a drive
// without media never brings up the system's error box; the thread's error mode is restored.
bool IsUsbDrive(const std::wstring& root);
// The USB drive roots in the system's order; true when there is at least one.
bool EnumUsbDrives(std::vector<std::wstring>* pDrives,
                   const HostClientSystemCalls& calls = RealHostClientSystemCalls());
// A value of an initialisation file (at most 254 characters); false, leaving *pValue alone, when
// it is missing or empty.
bool ReadIniValue(const std::wstring& section, const std::wstring& key, const std::wstring& file,
                  std::wstring* pValue);
// Conversions through the system's ANSI code page, the one the host clients store text in.
std::string WideToAnsi(const std::wstring& text);
std::wstring AnsiToWide(const std::string& text);

// The device type of the first host client found on a USB drive; nullopt when there is none.
// A client whose value is missing or undecodable gives 0. No step of the probe, the file checks
// and the ini read included, brings up the system's error box; the thread's mode is restored.
std::optional<int>
DetectHostClientType(CAesCipher& aes,
                     const HostClientSystemCalls& calls = RealHostClientSystemCalls());
