// Arithmetic and trigonometry. Angles are degrees; results use the general number form.
#include <cmath>
#include <random>
#include <stdexcept>

#include "core/text.h"
#include "core/zerin.h"
#include "script/functions.h"
#include "script/value.h"
#include "script/dispatcher.h"

namespace zerin {

namespace {

constexpr std::string_view kAbsUsage = "Abs usage:\r\n\r\nAbs [value]";
constexpr std::string_view kSqrUsage = "Sqr usage:\r\n\r\nSqr [value]";

// A result the number form cannot hold (a root of a negative number, an overflow) fails
// the command; the dispatcher reports it as an empty debug line.
std::string result(double x) {
    if (!std::isfinite(x)) throw std::domain_error("no finite result");
    return formatNumber(x);
}

double number(const CommandCall& c) { return val(text::trim(c.arg)); }

double uniform01() {
    static std::mt19937_64 engine{std::random_device{}()};
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine);
}

// x / sqrt(1 - x x), the tangent of the angle whose sine is x.
double sineToTangent(double x) { return x / std::sqrt(1 - x * x); }

}  // namespace

void registerMathFunctions(Zerin& zerin) {
    Dispatcher& d = zerin.dispatcher;
    // rnd N -> a whole number from 0 to N
    d.registerHandler(Cmd::Rnd, [](CommandCall& c) { return result(std::floor((number(c) + 1) * uniform01())); });
    // int x -> the largest whole number not above x
    d.registerHandler(Cmd::Int, [](CommandCall& c) { return result(std::floor(number(c))); });
    // abs x -> |x|
    d.registerHandler(Cmd::Abs, [&zerin](CommandCall& c) {
        if (c.arg.starts_with("/?")) {
            zerin.output.debugMessage(kAbsUsage);
            return std::string();
        }
        return result(std::fabs(number(c)));
    });
    // sqr x -> the square root of x
    d.registerHandler(Cmd::Sqr, [&zerin](CommandCall& c) {
        if (c.arg.starts_with("/?")) {
            zerin.output.debugMessage(kSqrUsage);
            return std::string();
        }
        return result(std::sqrt(number(c)));
    });
    // acos x -> the angle in degrees whose cosine is x ("" for 1)
    d.registerHandler(Cmd::Acos, [](CommandCall& c) {
        double x = number(c);
        // Kept: scripts have always got an empty result for 1.
        if (x == 1) return std::string();
        if (x == -1) return result(180);
        return result((std::atan(-sineToTangent(x)) + 2 * std::atan(1.0)) * kDegreesPerRadian);
    });
    // atn x -> the arctangent in degrees
    d.registerHandler(Cmd::Atn, [](CommandCall& c) { return result(std::atan(number(c)) * kDegreesPerRadian); });
    // cos a -> the cosine of a degrees
    d.registerHandler(Cmd::Cos, [](CommandCall& c) { return result(std::cos(number(c) / kDegreesPerRadian)); });
    // sin a -> the sine of a degrees
    d.registerHandler(Cmd::Sin, [](CommandCall& c) { return result(std::sin(number(c) / kDegreesPerRadian)); });
    // asin x -> the angle in degrees whose sine is x
    d.registerHandler(Cmd::Asin, [](CommandCall& c) {
        double x = number(c);
        // The tangent form divides by zero at the ends; their angles are plain.
        if (x == 1 || x == -1) return result(x * 90);
        return result(std::atan(sineToTangent(x)) * kDegreesPerRadian);
    });
}

}  // namespace zerin
