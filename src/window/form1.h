// Form1, the program's one window: it owns every control and the
// window-wide state, and every procedure of the program is one of its
// methods. The methods are defined in the folder of the subsystem that owns
// them, in a file named for their concern (src/tool/key_responder.cpp
// defines KeyResponder); pure computation lives in free functions beside
// those files.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <memory>
#include <string>
#include <vector>

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/picture_box.h"
#include "forms/windowless.h"
#include "logo/command.h"

class Form1 : public forms::Form {
public:
    // Builds the window from its description; runs no handler.
    Form1();
    ~Form1() override;

    // ---- Controls, by name (built from the window description) ----
    using PictureBox = forms::PictureBox;
    using Image = forms::Image;
    using Label = forms::Label;
    using TextBox = forms::TextBox;
    using Frame = forms::Frame;
    using CommandButton = forms::CommandButton;
    using CheckBox = forms::CheckBox;
    using ListBox = forms::ListBox;
    using HScrollBar = forms::HScrollBar;
    using Timer = forms::Timer;
    using Shape = forms::Shape;
    using Line = forms::Line;
    using RichTextBox = forms::RichTextBox;
    using ProgressBar = forms::ProgressBar;
    using CommonDialog = forms::CommonDialog;
    template <class T>
    using Array = forms::ControlArray<T>;

    // In the window
    PictureBox* Picture20 = nullptr;  // hidden holder
    PictureBox* Picture21 = nullptr;  // splash panel and full view
    Timer* Timer7 = nullptr;
    PictureBox* Pichidden = nullptr;  // buffer of the chosen gallery picture
    PictureBox* Picture1 = nullptr;   // tool box
    PictureBox* Picture18 = nullptr;  // commander strip
    PictureBox* Picture4 = nullptr;   // the canvas
    PictureBox* Picture2 = nullptr;   // colour box
    Label* Label14 = nullptr;         // "COLORS"
    Image* Image9 = nullptr;          // gives the pencil and fill offset
    // In Picture20
    ListBox* FileList = nullptr;
    ListBox* FolderList = nullptr;
    Image* Image8 = nullptr;  // fill tool cursor
    Image* Image7 = nullptr;  // pencil tool cursor
    // In Picture21
    Timer* Timer1 = nullptr;
    Image* Image2 = nullptr;
    Label* Label12 = nullptr;
    // In Picture1
    Shape* Shape1 = nullptr;
    Array<Label> Label1{"Label1"};
    Array<Image> Image1{"Image1"};
    // In Picture18
    Array<CommandButton> Command5{"Command5"};
    TextBox* Text2 = nullptr;
    // In Picture4
    PictureBox* Picture11 = nullptr;  // "Script Manager"
    PictureBox* Picture5 = nullptr;   // gallery viewport
    PictureBox* Picture19 = nullptr;  // help panel
    TextBox* Text1 = nullptr;         // text tool box
    PictureBox* Picture9 = nullptr;
    Timer* Timer2 = nullptr;  // replay
    Timer* Timer3 = nullptr;
    PictureBox* Picture13 = nullptr;  // settings panel
    PictureBox* Picture12 = nullptr;  // pop-up option panel
    PictureBox* Picture7 = nullptr;
    PictureBox* Picture3 = nullptr;  // tool-name hint panel
    ProgressBar* ProgressBar1 = nullptr;
    CommonDialog* CommonDialog1 = nullptr;
    Line* Line2 = nullptr;  // the tool's vertical arm
    Line* Line1 = nullptr;  // the tool's horizontal arm
    Array<Line> Side{"Side"};
    Array<Line> Eli{"Eli"};
    Shape* Shape2 = nullptr;
    Shape* Shape5 = nullptr;
    Array<Line> Line4{"Line4"};
    Array<Line> Line5{"Line5"};
    Line* Line6 = nullptr;
    Shape* Shape10 = nullptr;
    // In Picture11
    CommandButton* Command3 = nullptr;
    CommandButton* Command2 = nullptr;
    CommandButton* Command1 = nullptr;
    RichTextBox* RichTextBox1 = nullptr;
    ProgressBar* ProgressBar2 = nullptr;
    Shape* Shape8 = nullptr;
    Label* Label4 = nullptr;
    Label* Label6 = nullptr;
    Label* Label5 = nullptr;
    Image* Image6 = nullptr;
    // In Picture5 and Picture6
    HScrollBar* HScroll1 = nullptr;
    PictureBox* Picture6 = nullptr;
    Array<Image> Image3{"Image3"};
    Shape* Shape6 = nullptr;
    // In Picture19
    CommandButton* Command7 = nullptr;
    RichTextBox* RichTextBox2 = nullptr;
    Label* Label7 = nullptr;
    Shape* Shape7 = nullptr;
    Label* Label10 = nullptr;
    // In Picture9
    PictureBox* Picture17 = nullptr;
    // In Picture13
    Frame* Frame1 = nullptr;
    HScrollBar* HScroll3 = nullptr;
    Frame* Frame2 = nullptr;
    HScrollBar* HScroll4 = nullptr;
    Frame* Frame3 = nullptr;
    HScrollBar* HScroll5 = nullptr;
    Frame* Frame4 = nullptr;
    Array<CommandButton> Command4{"Command4"};
    PictureBox* Picture15 = nullptr;
    Array<Image> Image5{"Image5"};
    PictureBox* Picture16 = nullptr;
    Frame* Frame5 = nullptr;
    TextBox* Text3 = nullptr;
    Frame* Frame6 = nullptr;
    TextBox* Text4 = nullptr;
    Array<CommandButton> Command6{"Command6"};
    Label* Label9 = nullptr;
    Frame* Frame7 = nullptr;
    Frame* Frame8 = nullptr;
    Array<CommandButton> Command8{"Command8"};
    PictureBox* Picture14 = nullptr;
    Array<Image> Image4{"Image4"};
    // In Picture12
    Array<CheckBox> Check1{"Check1"};
    Timer* Timer5 = nullptr;
    // In Picture7 and Picture8
    HScrollBar* HScroll2 = nullptr;
    PictureBox* Picture8 = nullptr;
    Array<PictureBox> Picture10{"Picture10"};
    // In Picture3
    Timer* Timer6 = nullptr;
    Label* Label3 = nullptr;
    // In Picture2
    Array<Label> Label2{"Label2"};
    Shape* Shape4 = nullptr;
    Shape* Shape3 = nullptr;

    // Every control of the description by name ("Image1(3)" for a member).
    forms::Control* find(const std::string& name) const;
    // Every control in description order, array members included.
    const std::vector<forms::Control*>& allControls() const { return ordered_; }

    // ---- Window-wide state ----
    // The tool
    int16_t ToolNo = 0;
    double ToolX = 0;  // a single when the key commands set it
    double ToolY = 0;
    double ToolWidth = 0;
    double ToolHeight = 0;
    double ToolHeading = 0;
    double ToolLength = 0;
    float HomeX = 0;
    double HomeY = 0;
    double VirtualCenterX = 0;
    double VirtualCenterY = 0;
    double MinX = 0, MaxX = 0, MinY = 0;
    int32_t MaxY = 0;  // 32-bit: a 16-bit bound overflows on tall screens
    double TurnDir = 0, TurnLength = 0;
    double Pi = 0;
    float LastPointX = 0;
    double LastPointY = 0;
    bool BlinkOn = false;
    // Steps and pen
    float MovingStep = 0;  // holds fractions while a mouse gesture runs
    int16_t RotatingStep = 0;
    int16_t PenMode = 0;  // 0 "Move", 1 "Draw and Move"
    std::string ModeText;
    int16_t DrawWidth = 0;
    int16_t LineWidth = 0;
    // Colours
    forms::Color PenColor = 0;
    double BackgroundColor = 0;
    int16_t ColorIndex = 0;
    int16_t BackColorIndex = 0;
    // The Logo frame
    float LogoOriginX = 0;
    int16_t LogoOriginY = 0;
    int16_t Resolution = 0;
    double LogoPosX = 0, LogoPosY = 0;
    // The command record: entries 1..20000; CommandCount is the next free one.
    static constexpr int kRecordSize = 20000;
    std::vector<std::string> CommandArray = std::vector<std::string>(kRecordSize + 1);
    int16_t CommandCount = 0;
    bool RecordFullReported = false;  // the user is told once
    std::string LogoLines, LogoText;
    int ReplayIndex = 0;  // the replay's position in the record
    // Options and gallery
    double GridDistance = 0;
    bool FillMode = false;
    bool FollowMouse = false;
    bool BackgroundSet = false;
    int16_t SelectedPicture = 0;
    int16_t GalleryIndex = 0;
    std::string GalleryFolder;
    // Gallery pictures that ran out of time drawn at the canvas's size: their
    // thumbnails stand in for them from then on.
    std::set<int> GalleryPicturesOutOfTime;
    int16_t LoaderIndexForward = 0;
    int16_t LoaderIndexBackward = 0;
    std::vector<std::vector<forms::Color>> StoredPixels;
    // Canvas mouse
    float LastX = 0, LastY = 0;
    int16_t PenStarted = 0;
    double PrevMouseX = 0, CurMouseX = 0, PrevMouseY = 0;
    int32_t CurMouseY = 0;  // 32-bit: see MaxY
    // Start-up, info line, tool box
    double SplashTicks = 0;
    std::string InfoText;
    int FirstMove = 0;
    int16_t LastToolIndex = 0;

    // ---- Logo language: record, recorded texts, interpreter, replay ----
    // Appends one line to the record; when the record is full nothing is
    // written, the user is told once, and false is returned.
    bool AppendCommand(const std::string& text);
    void CheckLogocommandArray();
    void Pic_Flood(int16_t Num, int16_t x, int16_t y);
    // Runs one recorded line on the canvas; malformed lines are skipped.
    void RunLogoLine(const std::string& line);
    void Timer2_Timer();

    // ---- Drawing tool: geometry, dispatcher, stamps ----
    std::array<double, 2> Repos(double x, double y, double Dir, double Length) const;
    int16_t AngleFinder(double OriX, double OriY, double PointX, double PointY) const;
    void RotateAround1(double Rstep);
    std::array<double, 4> RSizer(double X1, double Y1, double X2, double Y2, double D) const;
    void BringToolHome();
    // Puts the cross on the home point, each arm ToolLength long.
    void PlaceCrossAtHome();
    void MakeBox();
    void MakeAllToolsVisibleFalse();
    void EllipseMaker(float CX, float CY, float W, float H, float Angle);
    void KeyResponder(int Code, int sh);
    // Draws the current tool's shape in the pen colour and records it (the
    // pencil's stamp hides the outlines; other tools stamp nothing).
    void StampTool();
    // The line the current tool would record now ("" for none).
    std::string PendingCommand() const;
    // The command the text box would print and record now (none when the
    // box is empty).
    std::optional<logo::Command> TextToolCommand() const;
    // Makes palette cell `index` the pen colour (canvas, marker, filled
    // shape, text box), as F3 does; records nothing.
    void SetPenColorCell(int index);
    // The common tail of every key command.
    void KeyResponderTail(int Code, int sh);
    // ---- Drawing tool: canvas mouse and keys, text tool, grid, options ----
    void Picture4_MouseDown(int Button, int Shift, float X, float Y);
    void Picture4_MouseMove(int Button, int Shift, float X, float Y);
    void Picture4_MouseUp(int Button, int Shift, float X, float Y);
    void GoWithMouse(double Mx, double My);
    void RotateWithMouse(double Mx, double My);
    void Picture4_KeyDown(int& KeyCode, int& Shift);
    void Picture4_KeyPress(int& KeyAscii);
    void Picture4_DblClick();
    void Text1_KeyDown(int& KeyCode, int& Shift);
    void ToolMove(int Code, int sh);
    void Check1_Click(int Index);
    void GridMaker();

    // ---- Main window: start-up, layout, exit ----
    void Form_Load();
    void DefaultScreen();
    // The no-argument window operation of start-up: a repaint.
    void RepaintWindow();
    void LayoutMainPanels();         // tool box .. commander strip
    void ColorBoxSetting();
    void CommanderSetting();
    void LayoutStripsAndSettings();  // gallery strips and settings panel
    void Timer1_Timer();
    void Image2_Click();
    void Picture21_DblClick();
    void Picture21_KeyDown(int& KeyCode, int& Shift);
    void Form_Unload(int& Cancel);
    // ---- Main window: tool box, info line, colour box ----
    void DisplayInfo();
    void Image1_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Image1_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Label7_Click();
    void Timer6_Timer();
    void ColorBoxClick(int Cno, int Bno);
    void Label2_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Label2_MouseMove(int Index, int Button, int Shift, float X, float Y);
    // ---- Main window: settings panel ----
    void HScroll3_Change();
    void HScroll4_Change();
    void HScroll5_Change();
    void Command4_Click(int Index);
    void Command6_Click(int Index);
    void Image4_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Image5_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Text3_Change();
    void Text3_KeyDown(int& KeyCode, int& Shift);
    void Text4_Change();
    // ---- Main window: gallery and picture files ----
    bool CheckFolder(const std::string& FolderSpec);
    void GetFolderList(const std::string& FolderSpec, ListBox& Cont);
    void GetFileList(const std::string& FolderSpec, ListBox& Cont);
    void ControlArranger(PictureBox& FrameControl, Array<Image>& InsideControl, int Nos);
    void Image3_Click(int Index);
    void ToolBoxClick(int Tno);
    // Paints a gallery picture stretched over the whole canvas (through the
    // hidden buffer Pichidden); throws when there is no picture.
    void PaintOverCanvas(const QImage& picture);
    // The picture to paint for thumbnail `index`: its file decoded at the
    // canvas's size (a thumbnail holds it reduced to its own size), or, where
    // the file can no longer be read or decoded in time, the thumbnail itself.
    // A blank thumbnail gives the null picture and its file is not read.
    QImage GalleryPicture(int index);
    void Picture_Loader1();
    void Picture_Loader2();
    void HScroll1_Change();
    void HScroll2_Change();
    // Returns false when the picture could not be written (the user is told).
    bool SAVE_PICTURE();
    void FullScreenPicture();
    int16_t NoOfFiles(const std::string& FolName);
    void PutPicture();
    float TimeConverter();
    // ---- Main window: panel closers, focus returns, small timers ----
    void Command1_Click();
    void Command3_Click();
    void Command7_Click();
    void Image6_Click();
    void Picture1_MouseDown(int Button, int Shift, float X, float Y);
    void Picture2_MouseDown(int Button, int Shift, float X, float Y);
    void Picture5_Click();
    void Picture6_Click();
    void Picture7_Click();
    void Picture8_Click();
    void Timer5_Timer();
    void Timer7_Timer();

private:
    // The stamp of the current tool as a command (none for tools 4, 7, 8, 9).
    std::optional<logo::Command> StampCommand() const;
    // One move of both arms by (dx, dy) when Line1's ends pass the bound test
    // of the direction.
    void MoveTool(int Code);
    // Builds every control from the description table, in order.
    void BuildFromDescription();
    // The full-screen panel Picture21 (splash and full view): shown above
    // every control with the focus; hidden with the focus back on the canvas.
    void ShowFullScreenPanel();
    void HideFullScreenPanel();
    // Connects the controls' events to the handlers, one group per concern.
    void ConnectWindowEvents();
    void ConnectCanvasEvents();       // canvas keys and double click
    void ConnectCanvasMouseEvents();  // canvas mouse
    void ConnectTextToolEvents();
    void ConnectToolBoxEvents();
    void ConnectColorBoxEvents();
    void ConnectSettingsEvents();
    void ConnectGalleryEvents();
    void ConnectOptionEvents();
    void ConnectCloserEvents();

    std::vector<std::unique_ptr<forms::Control>> owned_;
    std::vector<forms::Control*> ordered_;
    std::map<std::string, forms::Control*> byName_;
};
