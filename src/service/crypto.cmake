# Device-information decryption: AES, Base64 and the stored device type (all portable).
list(APPEND KELVANE_CORE_SOURCES
    service/AesCipher.cpp
    service/Base64Decode.cpp
    service/Base64Encode.cpp
    service/DeviceInfoDecryption.cpp
    service/DeviceInfoEncipher.cpp
)
