#include "styled/cyGraphics.h"

#include <algorithm>
#include <cstdlib>

namespace pintoola {

namespace {

struct TChannels {
  int r, g, b;
};

TChannels Channels(TColor color) {
  const TColor c = ColorToRGB(color);
  return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

// Rebuilds a colour from channels that are already within 0…255.
TColor FromChannels(int r, int g, int b) { return r + g * 256 + b * 65536; }

// from + MulDiv(k, to - from, n) per channel: the k-th of n steps from one colour to another.
TColor StepColor(const TChannels& from, const TChannels& d, int k, int n) {
  return FromChannels(from.r + MulDiv(k, d.r, n), from.g + MulDiv(k, d.g, n), from.b + MulDiv(k, d.b, n));
}

TChannels Delta(const TChannels& from, const TChannels& to) {
  return {to.r - from.r, to.g - from.g, to.b - from.b};
}

// num / den rounded to nearest, halves to even (den > 0).
int RoundHalfEvenDiv(int num, int den) {
  int q = num / den;
  const int r = num % den;
  const int twice = 2 * std::abs(r);
  if (twice > den || (twice == den && (q % 2 != 0))) q += (num < 0) ? -1 : 1;
  return q;
}

// Ceiling of a / b for b > 0.
int CeilDiv(int a, int b) { return a > 0 ? (a + b - 1) / b : -((-a) / b); }

void AppendPlan(TGradientPlan& plan, TGradientPlan&& more) {
  plan.insert(plan.end(), more.begin(), more.end());
}

}  // namespace

TColor ShiftBrightness(TColor color, int percent) {
  const int v = MulDiv(255, percent, 100);
  const TChannels c = Channels(color);
  auto clamp = [v](int x) { return std::clamp(x + v, 0, 255); };
  return FromChannels(clamp(c.r), clamp(c.g), clamp(c.b));
}

TColor HalfwayColor(TColor a, TColor b) {
  if (a == b) return a;
  const TChannels x = Channels(a), y = Channels(b);
  return FromChannels((x.r + y.r) / 2, (x.g + y.g) / 2, (x.b + y.b) / 2);
}

TGradientPlan LinearBands(const TRect& rect, TColor fromColor, TColor toColor, int count, TBandAxis axis) {
  TGradientPlan plan;
  const TChannels from = Channels(fromColor);
  const TChannels d = Delta(from, Channels(toColor));
  const bool vertical = axis == baTopToBottom;
  const int extent = vertical ? rect.Height() : rect.Width();
  const int start = vertical ? rect.Top : rect.Left;
  const int n = extent < count ? extent : count;
  if (n <= 0) return plan;
  plan.reserve(static_cast<size_t>(n));
  for (int k = 1; k <= n; ++k) {
    const int a = start + MulDiv(k - 1, extent, n), b = start + MulDiv(k, extent, n);
    const TRect band = vertical ? Rect(rect.Left, a, rect.Right, b) : Rect(a, rect.Top, b, rect.Bottom);
    plan.push_back({band, StepColor(from, d, k, n), false});
  }
  return plan;
}

TGradientPlan ConcentricBands(const TRect& outer, TColor fromColor, TBandShape shape, const TRect& inner,
                              int count, TColor toColor) {
  TGradientPlan plan;
  const TChannels from = Channels(fromColor);
  const TChannels d = Delta(from, Channels(toColor));
  const int dx = std::abs(outer.Width() - inner.Width()) / 2;
  const int dy = std::abs(outer.Height() - inner.Height()) / 2;
  const int steps = std::min(count, std::max(dx, dy) + 1);
  for (int k = 1; k <= steps; ++k) {
    TGradientStep step;
    bool ellipse = shape == shEllipse;
    if (k == 1) {
      step.rect = outer;
      step.color = ColorToRGB(fromColor);
    } else if (k == steps) {
      step.rect = inner;
      step.color = ColorToRGB(toColor);
      if (inner.Width() == 1 || inner.Height() == 1) ellipse = false;
    } else {
      const int ix = MulDiv(k - 1, dx, steps), iy = MulDiv(k - 1, dy, steps);
      step.rect = Rect(outer.Left + ix, outer.Top + iy, outer.Right - ix, outer.Bottom - iy);
      step.color = StepColor(from, d, k - 1, steps);
    }
    step.ellipse = ellipse;
    plan.push_back(step);
  }
  return plan;
}

TGradientPlan GradientSteps(const TRect& rect, TColor fromColor, TColor toColor,
                            TDgradOrientation orientation, int balance, TDgradBalanceMode balanceMode,
                            int maxDegrade, int speedPercent) {
  const bool concentric = orientation == dgdRadial || orientation == dgdRectangle;
  const TBandShape shape = orientation == dgdRadial ? shEllipse : shRectangle;
  // Centre C (0 or 1 pixel each way) and outer shape O of the concentric forms.
  const TRect c = Rect(rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2,
                       rect.Right - rect.Width() / 2, rect.Bottom - rect.Height() / 2);
  const int a = std::max(rect.Width() / 2, rect.Height() / 2);
  const TRect o = orientation == dgdRadial ? c.Inflated(a, a) : rect;

  TGradientPlan plan;
  if (concentric) plan.push_back({rect, ColorToRGB(fromColor), false});

  if (balance == 50 && balanceMode == bmNormal && speedPercent == 100) {
    if (concentric)
      AppendPlan(plan, ConcentricBands(o, fromColor, shape, c, maxDegrade, toColor));
    else
      AppendPlan(plan, LinearBands(rect, fromColor, toColor, maxDegrade,
                                   orientation == dgdHorizontal ? baLeftToRight : baTopToBottom));
    return plan;
  }

  const int b1 = MulDiv(maxDegrade, balance, 100) & 0xFF;
  const int b2 = (maxDegrade - b1) & 0xFF;
  const TChannels f = Channels(fromColor), t = Channels(toColor);
  TColor m1 = clNone, m2 = clNone;
  if (balanceMode != bmMirror) {
    const int k = speedPercent - 50;
    const TChannels s = {MulDiv(t.r - f.r, k, 100), MulDiv(t.g - f.g, k, 100), MulDiv(t.b - f.b, k, 100)};
    // Below speed 50 the middle colours run past the end colours and wrap within a byte.
    m1 = FromChannels((f.r + s.r) & 0xFF, (f.g + s.g) & 0xFF, (f.b + s.b) & 0xFF);
    m2 = FromChannels((t.r - s.r) & 0xFF, (t.g - s.g) & 0xFF, (t.b - s.b) & 0xFF);
  }
  TColor p1From = fromColor, p1To = m1, p2From = m2, p2To = toColor;
  switch (balanceMode) {
    case bmNormal:
      break;
    case bmMirror:
      p1To = toColor, p2From = toColor, p2To = fromColor;
      break;
    case bmReverse:
      p2From = toColor, p2To = m2;
      break;
    case bmReverseFromColor:
      p2From = toColor, p2To = fromColor;
      break;
    case bmInvertReverse:
      p1From = m2, p1To = toColor, p2From = m1, p2To = fromColor;
      break;
    case bmInvertReverseFromColor:
      p1To = toColor, p2From = m1, p2To = fromColor;
      break;
  }

  if (concentric) {
    // The edge itself is rounded, not the inset: from an odd edge a half lands on the even side.
    auto edge = [balance](int oe, int ce) { return RoundHalfEvenDiv(100 * oe + balance * (ce - oe), 100); };
    const TRect g =
        Rect(edge(o.Left, c.Left), edge(o.Top, c.Top), edge(o.Right, c.Right), edge(o.Bottom, c.Bottom));
    AppendPlan(plan, ConcentricBands(o, p1From, shape, g, b1, p1To));
    AppendPlan(plan, ConcentricBands(g, p2From, shape, c, b2, p2To));
  } else if (orientation == dgdHorizontal) {
    const int split = rect.Left + MulDiv(balance, rect.Width(), 100);
    AppendPlan(plan,
               LinearBands(Rect(rect.Left, rect.Top, split, rect.Bottom), p1From, p1To, b1, baLeftToRight));
    AppendPlan(plan,
               LinearBands(Rect(split, rect.Top, rect.Right, rect.Bottom), p2From, p2To, b2, baLeftToRight));
  } else {
    const int split = rect.Top + MulDiv(balance, rect.Height(), 100);
    AppendPlan(plan,
               LinearBands(Rect(rect.Left, rect.Top, rect.Right, split), p1From, p1To, b1, baTopToBottom));
    AppendPlan(plan,
               LinearBands(Rect(rect.Left, split, rect.Right, rect.Bottom), p2From, p2To, b2, baTopToBottom));
  }
  return plan;
}

void PaintPlan(DrawSurface& canvas, const TGradientPlan& plan) {
  for (const TGradientStep& step : plan) {
    if (step.ellipse) {
      canvas.SetBrush(step.color, bsSolid);
      canvas.SetPen(step.color);
      canvas.Ellipse(step.rect);
    } else {
      canvas.FillSolid(step.rect, step.color);
    }
  }
}

void PaintLinearBands(DrawSurface& canvas, const TRect& rect, TColor fromColor, TColor toColor, int count,
                      TBandAxis axis) {
  PaintPlan(canvas, LinearBands(rect, fromColor, toColor, count, axis));
}

void PaintConcentricBands(DrawSurface& canvas, const TRect& outer, TColor fromColor, TBandShape shape,
                          const TRect& inner, int count, TColor toColor) {
  PaintPlan(canvas, ConcentricBands(outer, fromColor, shape, inner, count, toColor));
}

void PaintGradient(DrawSurface& canvas, const TRect& rect, TColor fromColor, TColor toColor,
                   TDgradOrientation orientation, int balance, TDgradBalanceMode balanceMode, int maxDegrade,
                   int speedPercent) {
  PaintPlan(canvas, GradientSteps(rect, fromColor, toColor, orientation, balance, balanceMode, maxDegrade,
                                  speedPercent));
}

// ---- rings ------------------------------------------------------------------------------------

void PaintLines(DrawSurface& canvas, const TLinePlan& lines) {
  for (const TLineSegment& line : lines) {
    canvas.SetPen(line.color);
    canvas.MoveTo(line.from.X, line.from.Y);
    canvas.LineTo(line.to.X, line.to.Y);
  }
}

TLinePlan BevelFrameLines(TRect& rect, TColor colorA, TColor colorB, int width, bool drawLeft, bool drawTop,
                          bool drawRight, bool drawBottom, bool cut) {
  TLinePlan lines;
  int c = cut ? 1 : 0;
  for (int i = 0; i < width; ++i) {
    const int r = rect.Right - 1, b = rect.Bottom - 1;
    if (drawLeft) lines.push_back({{rect.Left, rect.Top + c}, {rect.Left, b}, colorA});
    if (drawTop) lines.push_back({{rect.Left + c, rect.Top}, {r, rect.Top}, colorA});
    if (drawRight) lines.push_back({{r, rect.Top + c}, {r, b}, colorB});
    if (drawBottom) lines.push_back({{r - c, b}, {rect.Left - 1 + c, b}, colorB});
    c = 0;
    rect = rect.Inflated(-1, -1);
  }
  return lines;
}

void PaintBevelFrame(DrawSurface& canvas, TRect& rect, TColor colorA, TColor colorB, int width, bool drawLeft,
                     bool drawTop, bool drawRight, bool drawBottom, bool cut) {
  PaintLines(canvas,
             BevelFrameLines(rect, colorA, colorB, width, drawLeft, drawTop, drawRight, drawBottom, cut));
}

TLinePlan ButtonFrameLines(const TRect& r, TColor a, TColor b) {
  return {
      {{r.Left, r.Bottom - 2}, {r.Left, r.Top}, a},
      {{r.Left + 1, r.Top}, {r.Right - 1, r.Top}, a},
      {{r.Right - 1, r.Top + 1}, {r.Right - 1, r.Bottom - 1}, b},
      {{r.Right - 2, r.Bottom - 1}, {r.Left, r.Bottom - 1}, b},
  };
}

TLinePlan GlossFrameLines(const TRect& r, TColor l, TColor m) {
  const int h = r.Height();
  const int y1 = r.Top + h / 6, y2 = r.Top + MulDiv(h, 2, 6), y4 = r.Top + MulDiv(h, 4, 6),
            y5 = r.Top + MulDiv(h, 5, 6);
  const TColor c1 = HalfwayColor(l, m), c2 = HalfwayColor(l, c1), c3 = HalfwayColor(m, c1);
  const int left = r.Left, top = r.Top, right = r.Right - 1, bottom = r.Bottom - 1;
  // One path; every segment starts where the previous one stopped.
  const struct {
    int x, y;
    TColor pen;
  } path[] = {
      {left, y2, c1},     {left, y1, c2},    {left, top, l},  {right, top, l},
      {right, y1, l},     {right, y2, c2},   {right, y4, c1}, {right, y5, c3},
      {right, bottom, m}, {left, bottom, m}, {left, y5, m},   {left, y4, c3},
  };
  TLinePlan lines;
  TPoint at{left, y4};
  for (const auto& p : path) {
    lines.push_back({at, {p.x, p.y}, p.pen});
    at = {p.x, p.y};
  }
  return lines;
}

void PaintButtonFrame(DrawSurface& canvas, TRect& rect, TColor a, TColor b, bool shrink) {
  PaintLines(canvas, ButtonFrameLines(rect, a, b));
  if (shrink) rect = rect.Inflated(-1, -1);
}

void PaintGlossFrame(DrawSurface& canvas, TRect& rect, TColor l, TColor m) {
  PaintLines(canvas, GlossFrameLines(rect, l, m));
  rect = rect.Inflated(-1, -1);
}

// ---- text -------------------------------------------------------------------------------------

unsigned ComposeTextFormat(TAlignment alignment, TTextLayout layout, bool wordWrap) {
  unsigned flags = 0;
  switch (alignment) {
    case taLeftJustify:
      flags |= DT_LEFT;
      break;
    case taRightJustify:
      flags |= DT_RIGHT;
      break;
    case taCenter:
      flags |= DT_CENTER;
      break;
  }
  switch (layout) {
    case tlTop:
      flags |= DT_TOP;
      break;
    case tlCenter:
      flags |= DT_VCENTER;
      break;
    case tlBottom:
      flags |= DT_BOTTOM;
      break;
  }
  flags |= wordWrap ? DT_WORDBREAK : DT_SINGLELINE;
  return flags;
}

void DrawCaptionText(DrawSurface& canvas, const QString& text, TRect& rect, unsigned flags) {
  if ((flags & DT_WORDBREAK) && (flags & (DT_VCENTER | DT_BOTTOM))) {
    TRect measured = rect;
    canvas.DrawText(text, measured, flags | DT_CALCRECT);
    const int h = measured.Height();
    rect = rect.Offset(0, (flags & DT_BOTTOM) ? rect.Height() - h : (rect.Height() - h) / 2);
    if (flags & DT_CALCRECT) {
      rect.Bottom = rect.Top + h;
      return;
    }
  }
  canvas.DrawText(text, rect, flags);
}

TFontSpec CreateRotatedFont(const TFontSpec& font, TCaptionOrientation orientation) {
  TFontSpec turned = font;
  switch (orientation) {
    case coHorizontal:
      turned.escapement = 0;
      break;
    case coHorizontalReversed:
      turned.escapement = 1800;
      break;
    case coVertical:
      turned.escapement = 900;
      break;
    case coVerticalReversed:
      turned.escapement = 2700;
      break;
  }
  return turned;
}

TPoint RotatedTextOrigin(const TRect& rect, int w, int h, TTextLayout layout, TAlignment alignment,
                         TCaptionOrientation orientation) {
  const int cx = rect.Left + rect.Width() / 2, cy = rect.Top + rect.Height() / 2;
  auto pick = [](auto value, int first, int second, int third) {
    return value == 0 ? first : value == 1 ? second : third;
  };
  // Alignment order in the table is left / right / centre; layout order top / centre / bottom.
  const int a = alignment == taLeftJustify ? 0 : alignment == taRightJustify ? 1 : 2;
  const int l = layout == tlTop ? 0 : layout == tlCenter ? 1 : 2;
  switch (orientation) {
    case coHorizontalReversed:
      return {pick(a, rect.Left + w, rect.Right, cx + w / 2), pick(l, rect.Top + h, cy + h / 2, rect.Bottom)};
    case coVertical:
      return {pick(a, rect.Left, rect.Right - h, cx - h / 2), pick(l, rect.Top + w, cy + w / 2, rect.Bottom)};
    case coVerticalReversed:
      return {pick(a, rect.Left + h, rect.Right, cx + h / 2), pick(l, rect.Top, cy - w / 2, rect.Bottom - w)};
    case coHorizontal:
      break;
  }
  return {pick(a, rect.Left, rect.Right - w, cx - w / 2), pick(l, rect.Top, cy - h / 2, rect.Bottom - h)};
}

void TextOutRotated(DrawSurface& canvas, const QString& text, const TRect& rect, TTextLayout layout,
                    TAlignment alignment, TCaptionOrientation orientation) {
  const QSize extent = canvas.TextExtent(text);
  const TPoint at = RotatedTextOrigin(rect, extent.width(), extent.height(), layout, alignment, orientation);
  canvas.TextOut(at.X, at.Y, text);
}

// ---- background picture -----------------------------------------------------------------------

namespace {

bool IsLeftPosition(TBgPosition p) { return p == bgTopLeft || p == bgBottomLeft || p == bgCenterLeft; }
bool IsRightPosition(TBgPosition p) { return p == bgTopRight || p == bgCenterRight || p == bgBottomRight; }
bool IsTopPosition(TBgPosition p) { return p == bgTopLeft || p == bgTopCenter || p == bgTopRight; }
bool IsBottomPosition(TBgPosition p) {
  return p == bgBottomRight || p == bgBottomCenter || p == bgBottomLeft;
}

}  // namespace

TBgPicturePlan BackgroundPicturePlan(const TRect& rect, int gw, int gh, TBgStyle style, TBgPosition position,
                                     int indentX, int indentY, int intervalX, int intervalY, int repeatX,
                                     int repeatY) {
  TBgPicturePlan plan;
  if (style == bgNone || gw <= 0 || gh <= 0) return plan;
  TRect r = rect;
  if (style == bgStretchProportional) {
    style = bgStretch;
    TRect area = rect;
    if (IsLeftPosition(position)) area.Left += indentX;
    if (IsRightPosition(position)) area.Right -= indentX;
    if (IsTopPosition(position)) area.Top += indentY;
    if (IsBottomPosition(position)) area.Bottom -= indentY;
    r = area;
    if (!area.IsEmpty()) {
      const int aw = area.Width(), ah = area.Height();
      // gw / aw >= gh / ah, compared without division.
      if (static_cast<long long>(gw) * ah >= static_cast<long long>(gh) * aw) {
        const int fh = static_cast<int>(static_cast<long long>(aw) * gh / gw);
        const int top = IsTopPosition(position)      ? area.Top
                        : IsBottomPosition(position) ? area.Bottom - fh
                                                     : area.Top + (ah - fh) / 2;
        r = Rect(area.Left, top, area.Right, top + fh);
      } else {
        const int fw = static_cast<int>(static_cast<long long>(ah) * gw / gh);
        const int left = IsLeftPosition(position)    ? area.Left
                         : IsRightPosition(position) ? area.Right - fw
                                                     : area.Left + (aw - fw) / 2;
        r = Rect(left, area.Top, left + fw, area.Bottom);
      }
    }
  }
  if (r.Width() <= 0 || r.Height() <= 0) return plan;
  if (style == bgStretch) {
    plan.stretch = true;
    plan.copies.push_back(r);
    return plan;
  }
  const int stepX = gw + intervalX, stepY = gh + intervalY;
  int columns = repeatX, rows = repeatY, x0 = r.Left, y0 = r.Top;
  if (style == bgMosaic) {
    // A negative interval as large as the picture would never cover the rectangle.
    if (stepX <= 0 || stepY <= 0) return plan;
    columns = CeilDiv(r.Width() + intervalX, stepX);
    rows = CeilDiv(r.Height() + intervalY, stepY);
  } else {
    const int w = stepX * repeatX - intervalX, h = stepY * repeatY - intervalY;
    const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
    switch (position) {
      case bgCentered:
        x0 = cx - w / 2, y0 = cy - h / 2;
        break;
      case bgTopLeft:
        x0 = r.Left + indentX, y0 = r.Top + indentY;
        break;
      case bgTopCenter:
        x0 = cx - w / 2, y0 = r.Top + indentY;
        break;
      case bgTopRight:
        x0 = r.Right - indentX - w, y0 = r.Top + indentY;
        break;
      case bgCenterRight:
        x0 = r.Right - indentX - w, y0 = cy - h / 2;
        break;
      case bgBottomRight:
        x0 = r.Right - indentX - w, y0 = r.Bottom - indentY - h;
        break;
      case bgBottomCenter:
        x0 = cx - w / 2, y0 = r.Bottom - indentY - h;
        break;
      case bgBottomLeft:
        x0 = r.Left + indentX, y0 = r.Bottom - indentY - h;
        break;
      case bgCenterLeft:
        x0 = r.Left + indentX, y0 = cy - h / 2;
        break;
    }
  }
  for (int i = 0; i < columns; ++i)
    for (int j = 0; j < rows; ++j) plan.copies.push_back(Bounds(x0 + i * stepX, y0 + j * stepY, gw, gh));
  return plan;
}

void PaintBackgroundPicture(DrawSurface& canvas, const TRect& rect, const QImage& graphic, bool transparent,
                            TBgStyle style, TBgPosition position, int indentX, int indentY, int intervalX,
                            int intervalY, int repeatX, int repeatY) {
  if (graphic.isNull()) return;
  const TBgPicturePlan plan = BackgroundPicturePlan(rect, graphic.width(), graphic.height(), style, position,
                                                    indentX, indentY, intervalX, intervalY, repeatX, repeatY);
  if (plan.copies.empty()) return;
  const TColor key = transparent ? FromQColor(graphic.pixelColor(0, graphic.height() - 1)) : clNone;
  if (plan.stretch) {
    canvas.StretchDraw(plan.copies[0], graphic, Bounds(0, 0, graphic.width(), graphic.height()), key);
    return;
  }
  const QImage keyed = key == clNone ? graphic : KeyedImage(graphic, key);
  for (const TRect& copy : plan.copies) canvas.DrawBitmap(copy.Left, copy.Top, keyed);
}

}  // namespace pintoola
