#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QLabel>

#include <string>

class Desktop;

// A label that behaves as a web link: its text is drawn in the link colour
// (the visited colour once its target was opened, the hover colour while
// the pointer is over it), it shows the pointing hand and its target as a
// tooltip, and a click opens the target through the desktop, reporting a
// failure in a message box. The label is as large as its text.
class CLinkLabel : public QLabel {
  Q_OBJECT

 public:
  // Underlining: only while the pointer is over the label, never, always.
  static constexpr int UNDERLINE_HOVER = -1;
  static constexpr int UNDERLINE_NEVER = 0;
  static constexpr int UNDERLINE_ALWAYS = 1;
  // How often a hovered label checks that the pointer is still over it.
  static constexpr int HOVER_CHECK_MS = 100;

  // Without a url the label opens its own text; without a text it shows
  // its url.
  CLinkLabel(Desktop& desktop, const QString& text, QWidget* parent,
             const QString& url = QString());

  // Replaces the target (and the tooltip) and fits the label to its text
  // again, which a caller that changed the text relies on.
  void SetURL(const QString& url);
  // UNDERLINE_HOVER, UNDERLINE_NEVER or UNDERLINE_ALWAYS.
  void SetUnderline(int mode);

  const QString& URL() const { return url_; }
  int UnderlineMode() const { return underlineMode_; }
  bool IsHovering() const { return hovering_; }
  bool IsVisited() const { return visited_; }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  void OpenTarget();
  void SetUnderlined(bool underlined);
  // Gives the text the colour of the label's state.
  void UpdateColour();
  // Resizes the label to its text as drawn underlined, keeping the edge or
  // centre its alignment names.
  void FitToText();

  Desktop& desktop_;
  QString url_;
  QColor linkColour_{0, 0, 238};
  QColor visitedColour_{85, 26, 139};
  QColor hoverColour_{255, 0, 0};
  bool hovering_ = false;
  bool visited_ = false;
  int underlineMode_ = UNDERLINE_HOVER;
  QBasicTimer hoverTimer_;
};

// The words for a failed open's result code, after "Unable to open
// hyperlink:" and an empty line. The desktop reports every failure as 31
// (no application associated with the target).
std::string HyperlinkErrorText(int code);
