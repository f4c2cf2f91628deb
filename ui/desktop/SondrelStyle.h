#pragma once

#include <QProxyStyle>

// The application's style: the desktop's own, with tooltips shown after
// 300 ms.
class SondrelStyle : public QProxyStyle {
 public:
  static constexpr int TOOLTIP_DELAY_MS = 300;

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return TOOLTIP_DELAY_MS;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};
