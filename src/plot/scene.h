// SPDX-License-Identifier: GPL-3.0-or-later
// The scene: an ordered list of drawable primitives in the model coordinates
// of one display, and the routines that build it and move, scale and rotate it
// as a whole. Plain data and arithmetic; painting lives in render.h.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct TPoint3D {
  double X = 0;
  double Y = 0;
  double Z = 0;
};

inline bool operator==(const TPoint3D& a, const TPoint3D& b) {
  return a.X == b.X && a.Y == b.Y && a.Z == b.Z;
}

// The text of a segment. A scene is mostly quads and lines without one, so
// the text sits behind one pointer: 8 bytes in every segment where a string
// would take 32, a quarter of a quad's size. A value like a string: copies
// copy the text.
class TSegmentText {
 public:
  TSegmentText() = default;
  explicit TSegmentText(std::string_view text) { Assign(text); }
  TSegmentText(const TSegmentText& other) { Assign(other.View()); }
  TSegmentText(TSegmentText&&) noexcept = default;
  TSegmentText& operator=(const TSegmentText& other) {
    if (this != &other) Assign(other.View());
    return *this;
  }
  TSegmentText& operator=(TSegmentText&&) noexcept = default;
  TSegmentText& operator=(std::string_view text) {
    Assign(text);
    return *this;
  }

  // The empty string when there is no text.
  const std::string& str() const;
  operator const std::string&() const { return str(); }
  std::string_view View() const { return text_ ? std::string_view(*text_) : std::string_view(); }
  bool empty() const { return !text_; }

  friend bool operator==(const TSegmentText& a, const TSegmentText& b) {
    return a.View() == b.View();
  }
  friend bool operator==(const TSegmentText& a, std::string_view b) { return a.View() == b; }

 private:
  void Assign(std::string_view text) {
    text_ = text.empty() ? nullptr : std::make_unique<std::string>(text);
  }
  std::unique_ptr<std::string> text_;  // null for the empty text
};

std::ostream& operator<<(std::ostream& out, const TSegmentText& text);

// The kind of a primitive; the numbers are part of the scene's data.
enum class TSegmentKind : std::uint8_t { Pixel = 0, Line = 1, Text = 2, Dot = 3, Quad = 4 };

struct TSegment {
  TPoint3D P1;  // first vertex; anchor of a text, centre of a dot, the pixel
  TPoint3D P2;  // end of a line, second corner of a polygon
  TPoint3D P3;
  TPoint3D P4;
  std::int32_t Radius = 0;  // of a dot, in pixels
  std::int32_t Color = 0;   // red + 256 * green + 65536 * blue
  TSegmentKind Kind = TSegmentKind::Pixel;
  // False: P1..P4 hold pixel positions (X column, Y row) that no transformation
  // touches and that the projection passes through unchanged.
  bool Projected = true;
  // Placement of a text against its anchor: DirX 1 right, 0 centred, -1 left;
  // DirY 1 above, 0 centred, -1 below. DirZ only steers rotation.
  std::int8_t DirX = 0;
  std::int8_t DirY = 0;
  std::int8_t DirZ = 0;
  // Last, so that the small fields above share the padding after Color.
  TSegmentText Text;
};

// The order of the segments is the drawing order.
using TObject3D = std::vector<TSegment>;

// Drawing state that belongs to the drawing area rather than to the document.
struct TGraphic3D {
  std::array<double, 360> SinTable{};  // sine of i degrees
  std::array<double, 360> CosTable{};
  std::int32_t CenterX = 0;  // pixel column of the model origin in a parallel view
  std::int32_t CenterY = 0;
  // Device pixels per logical pixel of the drawing image. The centre and
  // every view formula stay in logical pixels; only the projection's last
  // step, the rounding to a pixel, happens at device resolution.
  double Scale = 1;
  // Model units from the projection plane z = 0 to the eye, as the last
  // perspective DrawObject computed it; 0 after a parallel one.
  double EyeDistance = 0;
};

// Fills the angle tables and sets the centre for a picture of width x height
// logical pixels, at scale 1. InitGraphic3D (render.h) does this for a canvas
// and also readies the canvas itself.
void InitGraphic3DForSize(TGraphic3D& graphic, std::int32_t width, std::int32_t height);

// Reduces any whole-degree angle into the table range 0..359.
std::int32_t NormalizeAngle(std::int32_t angle);

void ClearObject(TObject3D& scene);
void CopyObject(const TObject3D& source, TObject3D& destination);

// Appends Pieces line segments that split the line from (X1, Y1, Z1) to
// (X2, Y2, Z2) evenly; the pieces sort by depth on their own.
void AddLine(TObject3D& scene, std::uint8_t Pieces, std::int32_t Color, double X1, double Y1,
             double Z1, double X2, double Y2, double Z2, bool Fixed = false);
void AddQuad(TObject3D& scene, const TPoint3D& P1, const TPoint3D& P2, const TPoint3D& P3,
             const TPoint3D& P4, std::int32_t Color, bool Fixed = false);
void AddDot(TObject3D& scene, std::int32_t Radius, std::int32_t Color, double X, double Y, double Z,
            bool Fixed = false);
// An empty text appends nothing.
void AddText(TObject3D& scene, const std::string& Text, std::int32_t Color, double X, double Y,
             double Z, std::int8_t DirX, std::int8_t DirY, std::int8_t DirZ, bool Fixed = false);

// These three touch only segments whose Projected is true, all four vertices.
void MoveObject(TObject3D& scene, double DX, double DY, double DZ);
void ScaleObject(TObject3D& scene, double SX, double SY, double SZ);
// A1 turns in the Y-Z plane, A2 in the Z-X plane, A3 in the X-Y plane; applied
// A3 first, then A1, then A2. Angles outside 0..359 are reduced first.
void RotateObject(const TGraphic3D& graphic, TObject3D& scene, std::int32_t A1, std::int32_t A2,
                  std::int32_t A3);

double Sign(double v);
