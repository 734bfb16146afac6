#include "ui/label.h"

#include <string>

namespace netbar::ui {
namespace {

FontHandle MakeLabelFont(const LabelDesign& look) {
  LOGFONTA font{};
  font.lfHeight = -look.character_height;  // character height, not cell height
  font.lfWeight = look.weight;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH;
  return FontHandle(CreateFontIndirectA(&font));
}

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(window, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

}  // namespace

Label::Label(const LabelDesign& look) : look_(look), font_(MakeLabelFont(look)) {}

bool Label::RegisterClass(HINSTANCE instance) {
  WNDCLASSEXA label_class{};
  if (GetClassInfoExA(instance, kLabelClass, &label_class)) return true;
  label_class.cbSize = sizeof label_class;
  label_class.lpfnWndProc = &Label::WindowProcedure;
  label_class.hInstance = instance;
  label_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  label_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  label_class.lpszClassName = kLabelClass;
  return RegisterClassExA(&label_class) != 0;
}

HWND Label::Create(HWND parent, const ControlDesign& design, HINSTANCE instance) {
  window_ =
      CreateWindowExA(design.ex_style, design.class_name, design.caption, design.style, design.left,
                      design.top, design.width, design.height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), instance, this);
  return window_;
}

HFONT Label::font() const {
  return font_ ? font_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

LRESULT CALLBACK Label::WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  const auto* label = reinterpret_cast<const Label*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (label == nullptr) return DefWindowProcA(window, message, wparam, lparam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole area
    case WM_PAINT: {
      const PaintScope paint(window);
      RECT area;
      GetClientRect(window, &area);
      PaintLabel(paint.dc(), area, WindowText(window), label->font(), label->text_colour());
      return 0;
    }
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(label->font());
    case WM_NCHITTEST:
      // Clicks go through to the window below, as on a static label.
      return HTTRANSPARENT;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

void SetLabelCaption(HWND label, TextView caption) {
  const std::string terminated(caption);
  SetWindowTextA(label, terminated.c_str());
  InvalidateRect(label, nullptr, TRUE);
}

void PaintLabel(HDC dc, const RECT& area, TextView caption, HFONT font, COLORREF text_colour) {
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  const SelectedObject selected(dc, font);
  SetTextColor(dc, text_colour);
  SetBkMode(dc, TRANSPARENT);
  RECT text_area = area;
  DrawTextA(dc, caption.data(), static_cast<int>(caption.size()), &text_area,
            DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace netbar::ui
