#pragma once
#include <QByteArray>

// Whole random numbers, drawn uniformly from a closed range.
class Random {
public:
    virtual ~Random() = default;
    virtual int between(int low, int high) = 0;
    // Bytes for a secret (a key nobody may guess): from the system's cryptographic source.
    virtual QByteArray secretBytes(int count) = 0;
};

class SystemRandom final : public Random {
public:
    int between(int low, int high) override;
    QByteArray secretBytes(int count) override;
};
