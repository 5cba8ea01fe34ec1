// Section record of the host's section library (ArData).
#pragma once

#include <limits>
#include <optional>
#include <vector>

#include "host/CString.h"

namespace Arbor::Data {

// The host's SecShape codes.
namespace SecShape {
inline constexpr int I = 1;         // rolled I or H (UB, UC)
inline constexpr int PFC = 3;       // parallel-flange channel
inline constexpr int T = 4;         // T section
inline constexpr int Angle = 5;
inline constexpr int CHS = 7;       // circular hollow
inline constexpr int RHS = 9;       // rectangular or square hollow
inline constexpr int WeldedI = 11;  // welded or built-up I or H (WB, WC, user plates)
}  // namespace SecShape

// Residual stress category of a section.
namespace ResidualStress {
inline constexpr unsigned HW = 0;  // heavily welded
inline constexpr unsigned HR = 1;  // hot rolled
inline constexpr unsigned CF = 2;  // cold formed
inline constexpr unsigned LW = 3;  // lightly welded
inline constexpr unsigned SR = 4;  // stress relieved
}  // namespace ResidualStress

// Published gross properties (SI). A NaN member means "not published"; the geometry then
// computes that value from the dimensions.
struct PublishedProperties {
    double Ag, Ix, Iy, Zx, Zy, Sx, Sy, J, Iw;
    // Channels: centroid from the back of the web (xL), shear centre from the centroid (xO).
    double xL = std::numeric_limits<double>::quiet_NaN();
    double xO = std::numeric_limits<double>::quiet_NaN();
    PublishedProperties();
};

// Published properties of an angle beyond those above (SI): the centroid from the heel, the
// product moment about the leg axes and the principal-axis values. NaN: not published.
struct PublishedAngleProperties {
    static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    double xbar = kNone, ybar = kNone, Ixy = kNone;
    double Iu = kNone, Iv = kNone, Zu = kNone, Zv1 = kNone, Zv2 = kNone, Su = kNone, Sv = kNone;
};

class CSection {
public:
    CSection();
    explicit CSection(const CString& name);

    const CString& Name() const { return name_; }
    void SetName(const CString& name) { name_ = name; }

    int Shape() const { return shape_; }
    void SetShape(int code) { shape_ = code; }

    // Dimensions in metres, in the order of the shape:
    //   I (1, 11): D, B1, T1, B2, T2, tw, r  (flange 1 at the bottom, flange 2 at the top)
    //   PFC (3):   D, B, T, tw, r            (both flanges B × T, root radius r)
    //   T (4):     D, B, T, tw, r            (overall depth, flange B × T, stem tw, root r)
    //   Angle (5): d, b, t, r1, r2           (leg along y, leg along x, thickness, root and
    //                                          toe radii)
    //   CHS (7):   D, t                      (outside diameter, wall)
    //   RHS (9):   D, B, tf, tw              (depth along y, width along x, the walls of width
    //                                          B and of depth D; hollow sections have tf = tw)
    const std::vector<double>& Dimensions() const { return dims_; }
    void SetDimensions(std::vector<double> dims) { dims_ = std::move(dims); }

    unsigned Category() const { return category_; }  // ResidualStress code
    void SetCategory(unsigned code) { category_ = code; }
    // Plate fabrication code of welded sections (1 or 2: the two plate kinds of Table 6.3.3).
    unsigned FabricationCode() const { return fabrication_; }
    void SetFabricationCode(unsigned code) { fabrication_ = code; }

    const std::optional<PublishedProperties>& Published() const { return published_; }
    void SetPublished(const PublishedProperties& p) { published_ = p; }
    const std::optional<PublishedAngleProperties>& PublishedAngle() const {
        return publishedAngle_;
    }
    void SetPublishedAngle(const PublishedAngleProperties& p) { publishedAngle_ = p; }

    // Section options the host hands to the code checker with the section.
    double NetAreaRatio() const { return netAreaRatio_; }
    void SetNetAreaRatio(double r) { netAreaRatio_ = r; }
    const std::optional<double>& PlasticElasticRatio() const { return plasticElasticRatio_; }
    void SetPlasticElasticRatio(double r) { plasticElasticRatio_ = r; }

    // Text for reports: the name, then optionally the shape and category, the dimensions.
    CString Description(bool withShape = true, bool withCategory = true,
                        bool withDimensions = true) const;

private:
    CString name_;
    int shape_ = 0;
    std::vector<double> dims_;
    unsigned category_ = ResidualStress::HR;
    unsigned fabrication_ = 0;
    std::optional<PublishedProperties> published_;
    std::optional<PublishedAngleProperties> publishedAngle_;
    double netAreaRatio_ = 1.0;
    std::optional<double> plasticElasticRatio_;
};

}  // namespace Arbor::Data
