// kelvane-devinfo: writes and checks the enciphered device type that the host clients keep in
// "DeviceInfo.ini" (section "DeviceType", key "Type").
//
//   kelvane-devinfo TYPE       prints the stored form of TYPE (e.g. 1 Tallowin, 2 Rivex)
//   kelvane-devinfo -d VALUE   prints the text Kelvane deciphers from a stored VALUE
#include "service/AesCipher.h"
#include "service/DeviceInfoDecryption.h"
#include "service/DeviceInfoEncipher.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kUsageError = 2;

int Usage() {
    std::fputs("usage: kelvane-devinfo TYPE       print the stored form of device type TYPE\n"
               "       kelvane-devinfo -d VALUE   print what Kelvane deciphers from VALUE\n",
               stderr);
    return kUsageError;
}

int Encipher(const char* deviceType) {
    if (deviceType[0] == '\0') {
        std::fputs("kelvane-devinfo: the device type is empty\n", stderr);
        return kUsageError;
    }
    const auto stored = EncipherDeviceInfo(deviceType);
    if (!stored) {
        std::fprintf(stderr, "kelvane-devinfo: the stored form would pass %zu characters\n",
                     kMaxStoredDeviceInfoChars);
        return kUsageError;
    }
    std::printf("%s\n", stored->c_str());
    return 0;
}

int Decipher(const char* storedText) {
    // The same buffer the host-client check uses.
    std::string plain(1024, '\0');
    CAesCipher aes;
    const int length =
        DecryptDeviceInfo(aes, storedText, plain.data(), plain.size(), DEVICE_INFO_KEY);
    std::printf("%.*s\n", length, plain.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "-d") != 0) {
        return Encipher(argv[1]);
    }
    if (argc == 3 && std::strcmp(argv[1], "-d") == 0) {
        return Decipher(argv[2]);
    }
    return Usage();
}
