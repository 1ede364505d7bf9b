#pragma once

// Whole random numbers, drawn uniformly from a closed range.
class Random {
public:
    virtual ~Random() = default;
    virtual int between(int low, int high) = 0;
};

class SystemRandom final : public Random {
public:
    int between(int low, int high) override;
};
