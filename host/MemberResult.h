// Result object of one member check (ArSteel): utilisations per entry, flags, report mark-up.
#pragma once

#include <array>
#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

#include "host/CString.h"
#include "host/DesFormat.h"

namespace Arbor::Steel {

// The utilisations an entry records. Local entries use the Local* kinds, the buckling entry
// the Buckling* kinds.
enum class UtilKind : int {
    LocalAxial,
    LocalMomMajor,
    LocalMomMinor,
    LocalShearMajor,
    LocalShearMinor,
    LocalTorsion,
    LocalCombined,
    BucklingAxialMajor,
    BucklingAxialMinor,
    BucklingAxialTorsion,
    BucklingAxialFlexuralTorsion,
    BucklingLT,
    BucklingCombined,
    BucklingAxialUU,  // angle struts: flexural buckling about each principal axis as well
    BucklingAxialVV,
    Count
};
inline constexpr int kUtilKindCount = static_cast<int>(UtilKind::Count);

// Flag values of the flag word. Bit 4 is the host's own "failed" bit.
namespace ResultFlag {
inline constexpr unsigned Warning = 2;
inline constexpr unsigned Failed = 4;
inline constexpr unsigned ShapeNotHandled = 8;
inline constexpr unsigned LocalFail = 0x10;
inline constexpr unsigned LTBucklingFail = 0x100;
inline constexpr unsigned MajorBucklingFail = 0x200;
inline constexpr unsigned MinorBucklingFail = 0x400;
inline constexpr unsigned LocalAxialFail = 0x1000;
inline constexpr unsigned LocalMajorMomentFail = 0x2000;
inline constexpr unsigned LocalMinorMomentFail = 0x4000;
inline constexpr unsigned TorsionWarning = 0x20000;
inline constexpr unsigned SlenderBending = 0x100000;
inline constexpr unsigned SlenderWeb = 0x200000;
inline constexpr unsigned SlenderFlange = 0x400000;
inline constexpr unsigned TorsionalBucklingFail = 0x1000000;
// Flags that mean a check failed; adding one sets bit 4.
inline constexpr unsigned FailureMask =
    ShapeNotHandled | LocalFail | LTBucklingFail | MajorBucklingFail | MinorBucklingFail |
    LocalAxialFail | LocalMajorMomentFail | LocalMinorMomentFail | TorsionalBucklingFail;
}  // namespace ResultFlag

// One piece of report mark-up as it was added, with the indentation level in force.
struct ReportPiece {
    int level = 0;
    CString text;
};

class CMemberResult {
  public:
    struct Entry {
        std::array<double, kUtilKindCount> util{};  // all 0 until set
        bool set[kUtilKindCount] = {};
    };

    CMemberResult();

    // Entries: sized and cleared; the current entry index selects what the setters fill.
    void IniDynaArray(int count);
    int NumEntries() const { return static_cast<int>(entries_.size()); }
    void SetCurrentIndex(int index);
    int CurrentIndex() const { return current_; }
    void SetBucklingEntry(bool isBuckling) { bucklingEntry_ = isBuckling; }
    bool IsBucklingEntry() const { return bucklingEntry_; }
    const Entry& GetEntry(int index) const { return entries_.at(static_cast<size_t>(index)); }

    // Each setter keeps the largest value offered to the current entry (NaN counts as +inf).
    void SetUtil(UtilKind kind, double value);
    void SetUtilLocalAxial(double u) { SetUtil(UtilKind::LocalAxial, u); }
    void SetUtilLocalMomMajor(double u) { SetUtil(UtilKind::LocalMomMajor, u); }
    void SetUtilLocalMomMinor(double u) { SetUtil(UtilKind::LocalMomMinor, u); }
    void SetUtilLocalShearMajor(double u) { SetUtil(UtilKind::LocalShearMajor, u); }
    void SetUtilLocalShearMinor(double u) { SetUtil(UtilKind::LocalShearMinor, u); }
    void SetUtilLocalTorsion(double u) { SetUtil(UtilKind::LocalTorsion, u); }
    void SetUtilLocalCombined(double u) { SetUtil(UtilKind::LocalCombined, u); }
    void SetUtilBucklingAxialMajor(double u) { SetUtil(UtilKind::BucklingAxialMajor, u); }
    void SetUtilBucklingAxialMinor(double u) { SetUtil(UtilKind::BucklingAxialMinor, u); }
    void SetUtilBucklingAxialTorsion(double u) { SetUtil(UtilKind::BucklingAxialTorsion, u); }
    void SetUtilBucklingAxialFlexuralTorsion(double u) {
        SetUtil(UtilKind::BucklingAxialFlexuralTorsion, u);
    }
    void SetUtilBucklingLT(double u) { SetUtil(UtilKind::BucklingLT, u); }
    void SetUtilBucklingCombined(double u) { SetUtil(UtilKind::BucklingCombined, u); }
    void SetUtilBucklingAxialUU(double u) { SetUtil(UtilKind::BucklingAxialUU, u); }
    void SetUtilBucklingAxialVV(double u) { SetUtil(UtilKind::BucklingAxialVV, u); }
    double Util(int entry, UtilKind kind) const;

    // Overall utilisation: the largest recorded in any entry, unless set explicitly.
    void SetUtilOverAll(double u);
    double UtilOverAll() const;

    // Flag word; adding a failure flag or recording a utilisation above 1 sets bit 4.
    void AddFlags(unsigned flags);
    unsigned Flags() const { return flags_; }

    // Report mark-up, written only while text is enabled (the callers test TextEnabled).
    void EnableText(bool on) { textEnabled_ = on; }
    bool TextEnabled() const { return textEnabled_; }
    void AddOutputString(const CString& markup);
    void AddOutputString(CString&& markup);  // takes the caller's temporary, no copy
    void AddOutputString(const wchar_t* markup);
    const std::vector<ReportPiece>& Report() const { return report_; }
    int IndentLevel() const { return indent_; }
    void PushIndent() { ++indent_; }
    void PopIndent() {
        if (indent_ > 0) --indent_;
    }

    static double InfinitiseNANs(double value) {
        return std::isnan(value) ? std::numeric_limits<double>::infinity() : value;
    }
    const CDesFormat& DesFormat() const { return format_; }

    // Back to a fresh result (one entry, no flags, no report, text on); the storage of the
    // entries and of the report is kept for the next check (the text buffers go back to the
    // line buffer pool).
    void Reset();

  private:
    void AddCopy(std::wstring_view markup);
    void GrowToCurrent();

    std::vector<Entry> entries_;
    int current_ = 0;
    bool bucklingEntry_ = false;
    unsigned flags_ = 0;
    bool overallSet_ = false;
    double overall_ = 0.0;
    double maxRecorded_ = 0.0;
    bool textEnabled_ = true;
    int indent_ = 0;
    std::vector<ReportPiece> report_;
    CDesFormat format_;
};

// Lines written while it lives are indented one level; a null result is allowed.
class CResultIndent {
  public:
    explicit CResultIndent(CMemberResult* result) : result_(result) {
        if (result_) result_->PushIndent();
    }
    ~CResultIndent() {
        if (result_) result_->PopIndent();
    }
    CResultIndent(const CResultIndent&) = delete;
    CResultIndent& operator=(const CResultIndent&) = delete;

  private:
    CMemberResult* result_;
};

// Keeps the largest value offered to the current entry; inline, as every check calls it
// dozens of times.
inline void CMemberResult::SetUtil(UtilKind kind, double value) {
    const int k = static_cast<int>(kind);
    if (k < 0 || k >= kUtilKindCount) return;
    value = InfinitiseNANs(value);
    if (static_cast<size_t>(current_) >= entries_.size()) GrowToCurrent();
    Entry& entry = entries_[static_cast<size_t>(current_)];
    const auto slot = static_cast<size_t>(k);
    if (!entry.set[slot] || value > entry.util[slot]) entry.util[slot] = value;
    entry.set[slot] = true;
    if (value > maxRecorded_) maxRecorded_ = value;
    if (value > 1.0) flags_ |= ResultFlag::Failed;
}

}  // namespace Arbor::Steel
