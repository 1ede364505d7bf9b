#pragma once
#include <QByteArray>
#include <vector>

// A QR code of `bytes` (byte mode, error correction level M, versions 1 to 10: up to 213
// bytes), for builds without libqrencode: rows of modules, true for dark, without the quiet
// zone. Empty when the bytes do not fit.
std::vector<std::vector<bool>> QrMatrix(const QByteArray& bytes);
