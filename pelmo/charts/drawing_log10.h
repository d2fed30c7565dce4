#ifndef PELMO_CHARTS_DRAWING_LOG10_H
#define PELMO_CHARTS_DRAWING_LOG10_H

#include <string>

namespace shared {
class Messages;
}

namespace pelmo {

// The logarithm of one drawing. A value at or below zero yields 0 like every Log10,
// but only the first one of a drawing shows "Error at Log10": a trace with many
// non-positive points must not bury the window under one modal box per point.
class DrawingLog10 {
public:
    // messages may be null for a silent drawing (nothing is ever shown then).
    DrawingLog10(shared::Messages* messages, std::string title);

    double operator()(double x);
    bool Reported() const noexcept { return reported_; }
    // A value the logarithm can take: positive and finite.
    static bool Defined(double x) noexcept;

private:
    shared::Messages* messages_;
    std::string title_;
    bool reported_ = false;
};

}  // namespace pelmo

#endif
