// The standard controls besides picture boxes and windowless ones.
// Setting a value in code fires what a user's change fires (a check box's
// Value its Click, a text box's Text its Change, a scroll bar's Value its
// Change), but only when the value really changes and never while the
// window is being built (see Form::building()).
#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/rtf.h"
#include "forms/timer.h"

namespace forms {

class Image : public Control {
public:
    explicit Image(std::string name, int index = -1);
    const QImage& Picture() const { return picture_; }
    // With Stretch off the control takes the picture's natural size
    // (15 twips a pixel); with Stretch on it keeps its size.
    void setPicture(const QImage& p);
    bool Stretch() const { return stretch_; }
    void setStretch(bool s);
    void copyFrom(const Control& other) override;

protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;

private:
    QImage picture_;
    bool stretch_ = false;
};

class Label : public Control {
public:
    explicit Label(std::string name, int index = -1);
    // 0 left, 1 right, 2 centre.
    int Alignment() const { return alignment_; }
    void setAlignment(int a);
    // 0 transparent, 1 opaque (default).
    int BackStyle() const { return backStyle_; }
    void setBackStyle(int s);
    void copyFrom(const Control& other) override;

protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;

private:
    int alignment_ = 0, backStyle_ = 1;
};

class TextBox : public Control {
public:
    explicit TextBox(std::string name, int index = -1);
    const std::string& Text() const { return caption_; }
    void setText(const std::string& t);  // fires Change when it changes
    void setCaption(const std::string& c) override { setText(c); }
    // Painted without a background: what lies under the box shows through.
    bool Transparent() const { return transparent_; }
    void setTransparent(bool t);
    int SelStart() const;
    std::function<void()> Change;

protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;
    void syncPalette() override;

private:
    bool transparent_ = false;
    bool syncing_ = false;
};

class Frame : public Control {
public:
    explicit Frame(std::string name, int index = -1);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;
};

class CommandButton : public Control {
public:
    explicit CommandButton(std::string name, int index = -1);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;
};

// A check box in graphical style: a push button that stays down while its
// Value is 1, showing its picture and caption.
class CheckBox : public Control {
public:
    explicit CheckBox(std::string name, int index = -1);
    int Value() const { return value_; }
    void setValue(int v);  // fires Click when the value changes
    const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& p);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;

private:
    int value_ = 0;
    QImage picture_;
};

class ListBox : public Control {
public:
    explicit ListBox(std::string name, int index = -1);
    void Clear();
    void AddItem(const std::string& item);
    int ListCount() const { return static_cast<int>(items_.size()); }
    // The item at i; throws RuntimeError outside 0..ListCount()-1.
    const std::string& List(int i) const;
    void Refresh() {}

protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;

private:
    std::vector<std::string> items_;
};

class HScrollBar : public Control {
public:
    explicit HScrollBar(std::string name, int index = -1);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }
    void setMin(int v);
    void setMax(int v);
    void setValue(int v);  // fires Change when the value changes
    std::function<void()> Change;

protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;

private:
    int min_ = 0, max_ = 32767, value_ = 0;
    bool syncing_ = false;
};

class ProgressBar : public Control {
public:
    explicit ProgressBar(std::string name, int index = -1);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }
    void setMin(int v);
    void setMax(int v);  // Min == Max is allowed (an empty range)
    void setValue(int v);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;

private:
    int min_ = 0, max_ = 100, value_ = 0;
};

// The rich text box: an editor showing plain text with paragraphs, or an
// RTF file read by our own small reader (bold and paragraphs).
class RichTextBox : public Control {
public:
    explicit RichTextBox(std::string name, int index = -1);
    // The plain text; lines are separated by "\r" as the editor keeps them.
    std::string Text() const;
    void setText(const std::string& t);
    const std::string& FileName() const { return fileName_; }
    // Loads the file; a missing or unreadable file leaves the box empty.
    void setFileName(const std::string& path);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;

private:
    void showParagraphs();
    std::string text_;
    std::string fileName_;
    std::vector<RtfParagraph> paragraphs_;  // what the editor shows
    bool contentDirty_ = true;               // paragraphs_ not yet in the widget
    bool syncing_ = false;
};

// The open and save dialogs; Action 1 opens, 2 saves. A cancel leaves
// FileName "".
class CommonDialog : public Control {
public:
    explicit CommonDialog(std::string name, int index = -1);
    std::string DialogTitle, Filter, FileName, FileTitle;
    void setAction(int action);
};

}  // namespace forms
