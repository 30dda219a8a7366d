#pragma once

#include <cstdint>
#include <string>

#include "TextControl.h"

class QCheckBox;

namespace fw {

// A check box with its caption. The caption is drawn in a colour that stays
// readable on whatever background shows behind the box, and reaches past the
// rectangle to the right rather than being cut off.
class CheckBox : public TextControl {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  // CheckBox.CheckedStates
  enum CheckedStates : std::int64_t { Unchecked = 0, Checked = 1, Indeterminate = 2 };

  CheckBox();

  std::string Caption() const;
  void SetCaption(std::string caption);
  bool Value() const;
  void SetValue(bool value);
  std::int64_t State() const;
  void SetState(std::int64_t state);
  const std::string& DataSource() const { return dataSource_; }
  void SetDataSource(std::string source) { dataSource_ = std::move(source); }
  const std::string& DataField() const { return dataField_; }
  void SetDataField(std::string field) { dataField_ = std::move(field); }

 protected:
  Overhang ContentOverhang() const override { return OverhangToFit(Anchor::Left); }

 private:
  QCheckBox& Widget() const;

  std::string dataSource_{};
  std::string dataField_{};
};

}  // namespace fw
