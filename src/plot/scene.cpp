// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/scene.h"

#include <cmath>
#include <numbers>
#include <ostream>
#include <utility>

// A scene of eight 301 x 301 surfaces holds 720,000 quads: every byte of a
// segment is 0.7 MB of the picture's memory.
static_assert(sizeof(void*) != 8 || sizeof(TSegment) <= 120, "a segment grew");

namespace {

TSegment MakeSegment(TSegmentKind kind, std::int32_t color, bool fixed) {
  TSegment segment;
  segment.Kind = kind;
  segment.Color = color;
  segment.Projected = !fixed;
  return segment;
}

TPoint3D& Vertex(TSegment& segment, int index) {
  switch (index) {
    case 0: return segment.P1;
    case 1: return segment.P2;
    case 2: return segment.P3;
    default: return segment.P4;
  }
}

std::int8_t StoreDir(double value) { return static_cast<std::int8_t>(value); }

}  // namespace

const std::string& TSegmentText::str() const {
  static const std::string none;
  return text_ ? *text_ : none;
}

std::ostream& operator<<(std::ostream& out, const TSegmentText& text) { return out << text.View(); }

void InitGraphic3DForSize(TGraphic3D& graphic, std::int32_t width, std::int32_t height) {
  for (int i = 0; i < 360; ++i) {
    const double radians = i / 180.0 * std::numbers::pi;
    graphic.SinTable[i] = std::sin(radians);
    graphic.CosTable[i] = std::cos(radians);
  }
  graphic.CenterX = width / 2;
  graphic.CenterY = height / 2;
  graphic.EyeDistance = 0;
  graphic.Scale = 1;
}

std::int32_t NormalizeAngle(std::int32_t angle) {
  const std::int32_t rest = angle % 360;
  return rest < 0 ? rest + 360 : rest;
}

void ClearObject(TObject3D& scene) { scene.clear(); }

void CopyObject(const TObject3D& source, TObject3D& destination) {
  if (&source == &destination) return;
  destination.assign(source.begin(), source.end());
}

void AddLine(TObject3D& scene, std::uint8_t Pieces, std::int32_t Color, double X1, double Y1,
             double Z1, double X2, double Y2, double Z2, bool Fixed) {
  for (int i = 0; i < Pieces; ++i) {
    TSegment segment = MakeSegment(TSegmentKind::Line, Color, Fixed);
    segment.P1 = {X1 + (X2 - X1) * i / Pieces, Y1 + (Y2 - Y1) * i / Pieces,
                  Z1 + (Z2 - Z1) * i / Pieces};
    segment.P2 = {X1 + (X2 - X1) * (i + 1) / Pieces, Y1 + (Y2 - Y1) * (i + 1) / Pieces,
                  Z1 + (Z2 - Z1) * (i + 1) / Pieces};
    scene.push_back(std::move(segment));
  }
}

void AddQuad(TObject3D& scene, const TPoint3D& P1, const TPoint3D& P2, const TPoint3D& P3,
             const TPoint3D& P4, std::int32_t Color, bool Fixed) {
  TSegment segment = MakeSegment(TSegmentKind::Quad, Color, Fixed);
  segment.P1 = P1;
  segment.P2 = P2;
  segment.P3 = P3;
  segment.P4 = P4;
  scene.push_back(std::move(segment));
}

void AddDot(TObject3D& scene, std::int32_t Radius, std::int32_t Color, double X, double Y, double Z,
            bool Fixed) {
  TSegment segment = MakeSegment(TSegmentKind::Dot, Color, Fixed);
  segment.P1 = {X, Y, Z};
  segment.Radius = Radius;
  scene.push_back(std::move(segment));
}

void AddText(TObject3D& scene, const std::string& Text, std::int32_t Color, double X, double Y,
             double Z, std::int8_t DirX, std::int8_t DirY, std::int8_t DirZ, bool Fixed) {
  if (Text.empty()) return;
  TSegment segment = MakeSegment(TSegmentKind::Text, Color, Fixed);
  segment.P1 = {X, Y, Z};
  segment.Text = Text;
  segment.DirX = DirX;
  segment.DirY = DirY;
  segment.DirZ = DirZ;
  scene.push_back(std::move(segment));
}

void MoveObject(TObject3D& scene, double DX, double DY, double DZ) {
  for (TSegment& segment : scene) {
    if (!segment.Projected) continue;
    for (int v = 0; v < 4; ++v) {
      TPoint3D& p = Vertex(segment, v);
      p.X += DX;
      p.Y += DY;
      p.Z += DZ;
    }
  }
}

void ScaleObject(TObject3D& scene, double SX, double SY, double SZ) {
  for (TSegment& segment : scene) {
    if (!segment.Projected) continue;
    for (int v = 0; v < 4; ++v) {
      TPoint3D& p = Vertex(segment, v);
      p.X *= SX;
      p.Y *= SY;
      p.Z *= SZ;
    }
  }
}

void RotateObject(const TGraphic3D& graphic, TObject3D& scene, std::int32_t A1, std::int32_t A2,
                  std::int32_t A3) {
  A1 = NormalizeAngle(A1);
  A2 = NormalizeAngle(A2);
  A3 = NormalizeAngle(A3);
  for (TSegment& segment : scene) {
    if (!segment.Projected) continue;
    if (A3 != 0) {  // X-Y plane
      const double s = graphic.SinTable[A3];
      const double c = graphic.CosTable[A3];
      for (int v = 0; v < 4; ++v) {
        TPoint3D& p = Vertex(segment, v);
        const double x = p.X;
        const double y = p.Y;
        p.X = x * c - y * s;
        p.Y = x * s + y * c;
      }
      const double dx = segment.DirX;
      const double dy = segment.DirY;
      segment.DirX = StoreDir(Sign(dx * c - dy * s));
      segment.DirY = StoreDir(Sign(dx * s + dy * c));
    }
    if (A1 != 0) {  // Y-Z plane
      const double s = graphic.SinTable[A1];
      const double c = graphic.CosTable[A1];
      for (int v = 0; v < 4; ++v) {
        TPoint3D& p = Vertex(segment, v);
        const double y = p.Y;
        const double z = p.Z;
        p.Y = y * c - z * s;
        p.Z = y * s + z * c;
      }
      // A text seen from above or below keeps its side of the anchor by the
      // sign alone; DirZ pushes it further, so DirY may become 2 or -2.
      segment.DirY = StoreDir(Sign(segment.DirY * c) - Sign(segment.DirZ * s));
    }
    if (A2 != 0) {  // Z-X plane
      const double s = graphic.SinTable[A2];
      const double c = graphic.CosTable[A2];
      for (int v = 0; v < 4; ++v) {
        TPoint3D& p = Vertex(segment, v);
        const double z = p.Z;
        const double x = p.X;
        p.Z = z * c - x * s;
        p.X = z * s + x * c;
      }
      segment.DirX = StoreDir(Sign(segment.DirZ * s) + Sign(segment.DirX * c));
    }
  }
}

double Sign(double v) {
  if (v > 0) return 1;
  if (v < 0) return -1;
  return 0;
}
