#include "service/AesCipher.h"

#include <array>
#include <cstring>

namespace {

using Table = std::array<std::uint32_t, 256>;

// S-boxes and round tables, derived at compile time from GF(2^8) arithmetic so that no
// hand-typed table can carry a wrong entry; the known-answer tests pin the result.
struct AesTables {
    std::array<unsigned char, 256> sbox{};
    std::array<unsigned char, 256> invSbox{};
    std::array<Table, 4> forward{}; // column of MixColumns(S[x]), rotated per table
    std::array<Table, 4> inverse{}; // column of InvMixColumns(InvS[x]), rotated per table
};

constexpr unsigned char XTime(unsigned v) {
    return static_cast<unsigned char>(((v << 1) ^ ((v & 0x80) != 0 ? 0x1B : 0)) & 0xFF);
}

constexpr unsigned char Mul(unsigned a, unsigned b) {
    unsigned result = 0;
    while (b != 0) {
        if ((b & 1) != 0) {
            result ^= a;
        }
        a = XTime(a);
        b >>= 1;
    }
    return static_cast<unsigned char>(result);
}

constexpr std::uint32_t RotateRight8(std::uint32_t w) {
    return (w >> 8) | (w << 24);
}

constexpr std::uint32_t Word(unsigned b0, unsigned b1, unsigned b2, unsigned b3) {
    return (std::uint32_t{b0} << 24) | (std::uint32_t{b1} << 16) | (std::uint32_t{b2} << 8) |
           std::uint32_t{b3};
}

constexpr AesTables MakeTables() {
    AesTables t;
    // Powers of the generator 3 give multiplicative inverses through logarithms.
    std::array<unsigned char, 256> exp{};
    std::array<unsigned char, 256> log{};
    unsigned x = 1;
    for (unsigned i = 0; i < 255; ++i) {
        exp[i] = static_cast<unsigned char>(x);
        log[x] = static_cast<unsigned char>(i);
        x = Mul(x, 3);
    }
    for (unsigned v = 0; v < 256; ++v) {
        const unsigned inv = v == 0 ? 0 : exp[(255 - log[v]) % 255];
        unsigned s = inv;
        for (unsigned r = 1; r <= 4; ++r) {
            s ^= ((inv << r) | (inv >> (8 - r))) & 0xFF;
        }
        s ^= 0x63;
        t.sbox[v] = static_cast<unsigned char>(s);
        t.invSbox[s] = static_cast<unsigned char>(v);
    }
    for (unsigned v = 0; v < 256; ++v) {
        const unsigned s = t.sbox[v];
        const unsigned i = t.invSbox[v];
        std::uint32_t f = Word(Mul(s, 2), s, s, Mul(s, 3));
        std::uint32_t d = Word(Mul(i, 14), Mul(i, 9), Mul(i, 13), Mul(i, 11));
        for (auto k = 0u; k < 4; ++k) {
            t.forward[k][v] = f;
            t.inverse[k][v] = d;
            f = RotateRight8(f);
            d = RotateRight8(d);
        }
    }
    return t;
}

constexpr AesTables kTables = MakeTables();

constexpr unsigned char kRoundConstants[10] = {0x01, 0x02, 0x04, 0x08, 0x10,
                                               0x20, 0x40, 0x80, 0x1B, 0x36};

constexpr unsigned Byte(std::uint32_t w, int index) {
    return (w >> (24 - 8 * index)) & 0xFF;
}

std::uint32_t SubWord(std::uint32_t w) {
    const auto& s = kTables.sbox;
    return Word(s[Byte(w, 0)], s[Byte(w, 1)], s[Byte(w, 2)], s[Byte(w, 3)]);
}

// InvMixColumns of one column: the inverse tables expect an S-box output, so undo it first.
std::uint32_t InvMixColumn(std::uint32_t w) {
    const auto& s = kTables.sbox;
    const auto& d = kTables.inverse;
    return d[0][s[Byte(w, 0)]] ^ d[1][s[Byte(w, 1)]] ^ d[2][s[Byte(w, 2)]] ^ d[3][s[Byte(w, 3)]];
}

std::uint32_t LoadWord(const unsigned char* p) {
    return Word(p[0], p[1], p[2], p[3]);
}

void StoreWord(std::uint32_t w, unsigned char* p) {
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<unsigned char>(Byte(w, i));
    }
}

void XorBlock(unsigned char* target, const unsigned char* a, const unsigned char* b) {
    for (std::size_t i = 0; i < CAesCipher::kBlockBytes; ++i) {
        target[i] = static_cast<unsigned char>(a[i] ^ b[i]);
    }
}

// The rounds of one block with round tables tables, final S-box box and round keys rk. Row r of
// the state comes from column c + r × nShift: 1 for the cipher's shift to the left, 3 (that
// is, one to the right) for the inverse cipher's.
void RunRounds(const unsigned char* in, unsigned char* out, const std::array<Table, 4>& tables,
               const std::array<unsigned char, 256>& box, const std::uint32_t* rk, int nRounds,
               int nShift) {
    const auto column = [nShift](int c, int r) { return (c + r * nShift) % 4; };
    std::uint32_t s[4];
    for (int c = 0; c < 4; ++c) {
        s[c] = LoadWord(in + 4 * c) ^ rk[c];
    }
    for (int round = 1; round < nRounds; ++round) {
        rk += 4;
        std::uint32_t t[4];
        for (int c = 0; c < 4; ++c) {
            t[c] = tables[0][Byte(s[c], 0)] ^ tables[1][Byte(s[column(c, 1)], 1)] ^
                   tables[2][Byte(s[column(c, 2)], 2)] ^ tables[3][Byte(s[column(c, 3)], 3)] ^
                   rk[c];
        }
        std::memcpy(s, t, sizeof(s));
    }
    rk += 4;
    for (int c = 0; c < 4; ++c) {
        const std::uint32_t w = Word(box[Byte(s[c], 0)], box[Byte(s[column(c, 1)], 1)],
                                     box[Byte(s[column(c, 2)], 2)], box[Byte(s[column(c, 3)], 3)]);
        StoreWord(w ^ rk[c], out + 4 * c);
    }
}

// The counter is a little-endian integer: byte 0 is the least significant.
void IncrementCounter(unsigned char* counter) {
    for (std::size_t i = 0; i < CAesCipher::kBlockBytes; ++i) {
        if (counter[i] != 0xFF) {
            ++counter[i];
            return;
        }
        counter[i] = 0;
    }
}

} // namespace

void CAesCipher::SetKey(const unsigned char* key, int keyBytes) {
    if (key == nullptr || (keyBytes != 16 && keyBytes != 24 && keyBytes != 32)) {
        return;
    }
    m_nKeyBytes = keyBytes;
    m_nRounds = keyBytes / 4 + 6;
    const int nk = keyBytes / 4;
    const int words = 4 * (m_nRounds + 1);
    for (int i = 0; i < nk; ++i) {
        m_encSchedule[i] = LoadWord(key + 4 * i);
    }
    for (int i = nk; i < words; ++i) {
        std::uint32_t temp = m_encSchedule[i - 1];
        if (i % nk == 0) {
            temp = SubWord((temp << 8) | (temp >> 24)) ^
                   (std::uint32_t{kRoundConstants[i / nk - 1]} << 24);
        } else if (nk > 6 && i % nk == 4) {
            temp = SubWord(temp);
        }
        m_encSchedule[i] = m_encSchedule[i - nk] ^ temp;
    }
    // Equivalent inverse cipher: round keys in reverse order, InvMixColumns on the inner ones.
    for (int round = 0; round <= m_nRounds; ++round) {
        for (int c = 0; c < 4; ++c) {
            const std::uint32_t w = m_encSchedule[4 * (m_nRounds - round) + c];
            const bool bOuter = round == 0 || round == m_nRounds;
            m_decSchedule[4 * round + c] = bOuter ? w : InvMixColumn(w);
        }
    }
    m_bKeyReady = true;
}

void CAesCipher::SetIv(const unsigned char* iv) {
    m_bHasIv = iv != nullptr;
    if (m_bHasIv) {
        std::memcpy(m_iv, iv, kBlockBytes);
    }
}

void CAesCipher::SetCounter(const unsigned char* counter) {
    m_bHasCounter = counter != nullptr;
    if (m_bHasCounter) {
        std::memcpy(m_counter, counter, kBlockBytes);
    }
}

void CAesCipher::EncryptBlock(const unsigned char* in, unsigned char* out) const {
    if (m_bKeyReady) {
        RunRounds(in, out, kTables.forward, kTables.sbox, m_encSchedule, m_nRounds, 1);
    }
}

void CAesCipher::DecryptBlock(const unsigned char* in, unsigned char* out) const {
    // The equivalent inverse cipher: the cipher's shape with the inverse tables, the schedule
    // in decryption order and the rows shifted the other way.
    if (m_bKeyReady) {
        RunRounds(in, out, kTables.inverse, kTables.invSbox, m_decSchedule, m_nRounds, 3);
    }
}

void CAesCipher::Decrypt(const unsigned char* in, unsigned char* out, std::size_t length,
                         int mode) const {
    if (in == nullptr || out == nullptr || !m_bKeyReady || length == 0 ||
        length % kBlockBytes != 0 || mode < AES_MODE_ECB || mode > AES_MODE_CTR) {
        return;
    }
    const bool bChained = mode == AES_MODE_CBC || mode == AES_MODE_CFB || mode == AES_MODE_OFB;
    if ((bChained && !m_bHasIv) || (mode == AES_MODE_CTR && !m_bHasCounter)) {
        return;
    }
    unsigned char p[kBlockBytes];
    std::memcpy(p, mode == AES_MODE_CTR ? m_counter : m_iv, kBlockBytes);
    for (std::size_t offset = 0; offset < length; offset += kBlockBytes) {
        // A copy of the input block keeps in-place use correct where the input feeds back.
        unsigned char block[kBlockBytes];
        std::memcpy(block, in + offset, kBlockBytes);
        unsigned char* target = out + offset;
        unsigned char work[kBlockBytes];
        switch (mode) {
        case AES_MODE_ECB:
            DecryptBlock(block, target);
            break;
        case AES_MODE_CBC:
            DecryptBlock(block, work);
            XorBlock(target, work, p);
            std::memcpy(p, block, kBlockBytes);
            break;
        case AES_MODE_CFB:
            EncryptBlock(p, work);
            XorBlock(target, work, block);
            std::memcpy(p, block, kBlockBytes);
            break;
        case AES_MODE_OFB:
            EncryptBlock(p, p);
            XorBlock(target, p, block);
            break;
        default: // AES_MODE_CTR
            EncryptBlock(p, work);
            XorBlock(target, work, block);
            IncrementCounter(p);
            break;
        }
    }
}
