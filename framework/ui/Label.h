#pragma once

#include <cstdint>
#include <string>

#include "../runtime/Color.h"
#include "TextControl.h"

class QLabel;

namespace fw {

// Static text. It never fills its background, so whatever lies behind it
// shows through; text taller or wider than the rectangle reaches past it
// (centred vertically) rather than being cut off.
class Label : public TextControl {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  enum Alignment : std::int64_t { AlignLeft = 0, AlignCenter = 1, AlignRight = 2 };

  Label();

  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  std::int64_t TextAlign() const { return textAlign_; }
  void SetTextAlign(std::int64_t align);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine);
  bool Selectable() const { return selectable_; }
  void SetSelectable(bool selectable);
  Color TextColor() const { return textColor_; }
  void SetTextColor(Color color);
  const std::string& DataSource() const { return dataSource_; }
  void SetDataSource(std::string source) { dataSource_ = std::move(source); }
  const std::string& DataField() const { return dataField_; }
  void SetDataField(std::string field) { dataField_ = std::move(field); }

 protected:
  Overhang ContentOverhang() const override;

 private:
  QLabel& Widget() const;
  void ApplyAlignment();

  std::string text_{};
  std::int64_t textAlign_ = AlignLeft;
  bool multiLine_ = false;
  bool selectable_ = false;
  Color textColor_{};
  std::string dataSource_{};
  std::string dataField_{};
};

}  // namespace fw
