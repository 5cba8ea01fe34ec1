// Units of a member file and their conversion to the SI base units the checker works in.
#pragma once

#include <string>

namespace as4100 {

// The length and force units a member file is written in. Moments are force × length and
// stresses force / length², so kN with mm gives kN·mm and kN/mm².
class UnitSystem {
  public:
    UnitSystem() = default;  // SI: m and N
    UnitSystem(double metresPerLength, double newtonsPerForce)
        : length_(metresPerLength), force_(newtonsPerForce) {}

    // Factor of a unit word: "m" → 1, "mm" → 0.001; "N" → 1, "kN" → 1000. False when the word
    // is not a unit of that kind.
    static bool LengthFactor(const std::string& word, double& factor);
    static bool ForceFactor(const std::string& word, double& factor);

    double Length(double v) const { return v * length_; }
    double Force(double v) const { return v * force_; }
    double Moment(double v) const { return v * force_ * length_; }
    double Stress(double v) const { return v * force_ / (length_ * length_); }

  private:
    double length_ = 1.0;
    double force_ = 1.0;
};

}  // namespace as4100
