// A small QR encoder: byte mode, level M, mask 0 (any mask is valid; readers do not mind).
#include "remote/server/QrMatrix.h"

#include <array>
#include <cstdint>

namespace {
struct Version {
    int ecPerBlock, blocks1, data1, blocks2, data2;
};
// Level M, versions 1..10: error correction codewords per block and the two groups of blocks.
constexpr std::array<Version, 10> kVersions {{
    {10, 1, 16, 0, 0}, {16, 1, 28, 0, 0}, {26, 1, 44, 0, 0}, {18, 2, 32, 0, 0}, {24, 2, 43, 0, 0},
    {16, 4, 27, 0, 0}, {18, 4, 31, 0, 0}, {22, 2, 38, 2, 39}, {22, 3, 36, 2, 37}, {26, 4, 43, 1, 44},
}};
constexpr std::array<std::array<int, 3>, 10> kAlignment {{
    {0, 0, 0}, {6, 18, 0}, {6, 22, 0}, {6, 26, 0}, {6, 30, 0}, {6, 34, 0}, {6, 22, 38}, {6, 24, 42}, {6, 26, 46}, {6, 28, 50},
}};

std::uint8_t Multiply(std::uint8_t x, std::uint8_t y)
{
    int z = 0;
    for (int i = 7; i >= 0; --i) {
        z = (z << 1) ^ ((z >> 7) * 0x11D);
        z ^= ((y >> i) & 1) * x;
    }
    return std::uint8_t(z);
}

std::vector<std::uint8_t> ErrorCorrection(const std::vector<std::uint8_t>& data, int degree)
{
    std::vector<std::uint8_t> divisor(std::size_t(degree), 0);
    divisor.back() = 1;
    std::uint8_t root = 1;
    for (int i = 0; i < degree; ++i) {
        for (int j = 0; j < degree; ++j) {
            divisor[std::size_t(j)] = Multiply(divisor[std::size_t(j)], root);
            if (j + 1 < degree)
                divisor[std::size_t(j)] ^= divisor[std::size_t(j) + 1];
        }
        root = Multiply(root, 0x02);
    }
    std::vector<std::uint8_t> result(std::size_t(degree), 0);
    for (const std::uint8_t b : data) {
        const std::uint8_t factor = b ^ result.front();
        result.erase(result.begin());
        result.push_back(0);
        for (std::size_t i = 0; i < result.size(); ++i)
            result[i] ^= Multiply(divisor[i], factor);
    }
    return result;
}

class Matrix {
public:
    explicit Matrix(int size) : size_(size), dark_(std::size_t(size * size)), fixed_(std::size_t(size * size)) {}
    void set(int x, int y, bool dark)
    {
        dark_[std::size_t(y * size_ + x)] = dark;
        fixed_[std::size_t(y * size_ + x)] = true;
    }
    bool fixed(int x, int y) const { return fixed_[std::size_t(y * size_ + x)]; }
    void data(int x, int y, bool dark) { dark_[std::size_t(y * size_ + x)] = dark; }
    bool dark(int x, int y) const { return dark_[std::size_t(y * size_ + x)]; }
    int size() const { return size_; }

private:
    int size_;
    std::vector<bool> dark_, fixed_;
};

void Finder(Matrix& m, int cx, int cy)
{
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx) {
            const int x = cx + dx, y = cy + dy, d = std::max(std::abs(dx), std::abs(dy));
            if (x >= 0 && x < m.size() && y >= 0 && y < m.size())
                m.set(x, y, d != 2 && d != 4);
        }
}

void FormatBits(Matrix& m)
{
    const int data = (0 << 3) | 0; // level M (00), mask 0
    int rem = data;
    for (int i = 0; i < 10; ++i)
        rem = (rem << 1) ^ ((rem >> 9) * 0x537);
    const int bits = ((data << 10) | rem) ^ 0x5412;
    auto bit = [bits](int i) { return ((bits >> i) & 1) != 0; };
    const int n = m.size();
    for (int i = 0; i <= 5; ++i)
        m.set(8, i, bit(i));
    m.set(8, 7, bit(6));
    m.set(8, 8, bit(7));
    m.set(7, 8, bit(8));
    for (int i = 9; i < 15; ++i)
        m.set(14 - i, 8, bit(i));
    for (int i = 0; i < 8; ++i)
        m.set(n - 1 - i, 8, bit(i));
    for (int i = 8; i < 15; ++i)
        m.set(8, n - 15 + i, bit(i));
    m.set(8, n - 8, true);
}

void VersionBits(Matrix& m, int version)
{
    if (version < 7)
        return;
    int rem = version;
    for (int i = 0; i < 12; ++i)
        rem = (rem << 1) ^ ((rem >> 11) * 0x1F25);
    const long bits = long(version) << 12 | rem;
    for (int i = 0; i < 18; ++i) {
        const bool b = ((bits >> i) & 1) != 0;
        const int a = m.size() - 11 + i % 3, c = i / 3;
        m.set(a, c, b);
        m.set(c, a, b);
    }
}
} // namespace

std::vector<std::vector<bool>> QrMatrix(const QByteArray& bytes)
{
    int version = 0;
    for (int v = 1; v <= 10 && !version; ++v) {
        const Version& t = kVersions[std::size_t(v - 1)];
        const int capacityBits = 8 * (t.blocks1 * t.data1 + t.blocks2 * t.data2);
        if (4 + (v < 10 ? 8 : 16) + 8 * int(bytes.size()) <= capacityBits)
            version = v;
    }
    if (!version)
        return {};
    const Version& t = kVersions[std::size_t(version - 1)];
    const int dataCodewords = t.blocks1 * t.data1 + t.blocks2 * t.data2;

    // The bit stream: mode, count, the bytes, terminator, padding.
    std::vector<bool> bits;
    auto put = [&bits](int value, int count) {
        for (int i = count - 1; i >= 0; --i)
            bits.push_back(((value >> i) & 1) != 0);
    };
    put(0b0100, 4);
    put(int(bytes.size()), version < 10 ? 8 : 16);
    for (const char c : bytes)
        put(static_cast<unsigned char>(c), 8);
    put(0, std::min(4, 8 * dataCodewords - int(bits.size())));
    put(0, (8 - int(bits.size()) % 8) % 8);
    std::vector<std::uint8_t> data;
    for (std::size_t i = 0; i < bits.size(); i += 8) {
        int b = 0;
        for (std::size_t j = 0; j < 8; ++j)
            b = (b << 1) | int(bits[i + j]);
        data.push_back(std::uint8_t(b));
    }
    for (std::uint8_t pad = 0xEC; int(data.size()) < dataCodewords; pad ^= 0xEC ^ 0x11)
        data.push_back(pad);

    // Blocks with their error correction, interleaved.
    std::vector<std::vector<std::uint8_t>> blocks, checks;
    std::size_t at = 0;
    for (int b = 0; b < t.blocks1 + t.blocks2; ++b) {
        const std::size_t n = std::size_t(b < t.blocks1 ? t.data1 : t.data2);
        blocks.emplace_back(data.begin() + long(at), data.begin() + long(at + n));
        checks.push_back(ErrorCorrection(blocks.back(), t.ecPerBlock));
        at += n;
    }
    std::vector<std::uint8_t> codewords;
    for (std::size_t i = 0; i < std::size_t(std::max(t.data1, t.data2)); ++i)
        for (const auto& block : blocks)
            if (i < block.size())
                codewords.push_back(block[i]);
    for (std::size_t i = 0; i < std::size_t(t.ecPerBlock); ++i)
        for (const auto& check : checks)
            codewords.push_back(check[i]);

    // The function patterns, then the codewords in the zigzag, masked.
    Matrix m(17 + 4 * version);
    const int n = m.size();
    for (int i = 0; i < n; ++i) {
        m.set(6, i, i % 2 == 0);
        m.set(i, 6, i % 2 == 0);
    }
    Finder(m, 3, 3);
    Finder(m, n - 4, 3);
    Finder(m, 3, n - 4);
    const auto& centres = kAlignment[std::size_t(version - 1)];
    for (const int cy : centres)
        for (const int cx : centres) {
            if (!cx || !cy || (cx == 6 && cy == 6) || (cx == 6 && cy == n - 7) || (cx == n - 7 && cy == 6))
                continue;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    m.set(cx + dx, cy + dy, std::max(std::abs(dx), std::abs(dy)) != 1);
        }
    FormatBits(m);
    VersionBits(m, version);
    std::size_t i = 0;
    for (int right = n - 1; right >= 1; right -= 2) {
        if (right == 6)
            right = 5;
        for (int vert = 0; vert < n; ++vert)
            for (int j = 0; j < 2; ++j) {
                const int x = right - j;
                const bool upward = ((right + 1) & 2) == 0;
                const int y = upward ? n - 1 - vert : vert;
                if (m.fixed(x, y))
                    continue;
                bool dark = false;
                if (i < codewords.size() * 8) {
                    dark = ((codewords[i >> 3] >> (7 - (i & 7))) & 1) != 0;
                    ++i;
                }
                m.data(x, y, dark != ((x + y) % 2 == 0));
            }
    }
    std::vector<std::vector<bool>> rows(std::size_t(n), std::vector<bool>(std::size_t(n), false));
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            rows[std::size_t(y)][std::size_t(x)] = m.dark(x, y);
    return rows;
}
