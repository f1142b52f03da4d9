// Start-up: the window's load handler and the defaults step. Both run once,
// in a fixed order: later steps read back what earlier ones stored (the
// canvas size above all), and the start-up key commands run only after all
// state is set.
#include <string>

#include "forms/numbers.h"
#include "forms/platform.h"
#include "window/form1.h"

void Form1::RepaintWindow() { Refresh(); }

void Form1::Form_Load() {
    ProgressBar1->setVisible(false);
    Picture6->setVisible(false);
    Picture20->setVisible(false);

    // The splash panel covers the screen and holds the focus while it shows,
    // so that Escape reaches it.
    Picture21->Move(0, 0, ScreenWidth(), ScreenHeight());
    ShowFullScreenPanel();

    // The text tool prints over the drawing: its box shows what lies under it.
    Text1->setTransparent(true);
    RepaintWindow();

    Image2->setPicture(Picture20->Picture());
    Image2->setLeft(static_cast<float>(static_cast<double>(Picture21->Width()) / 2 - Image2->Width() / 2.0));
    Image2->setTop(static_cast<float>(static_cast<double>(Picture21->Height()) / 2 - Image2->Height() / 2.0));

    // The gallery folder: the first sub-folder of the gallery root, in
    // listing order, that holds picture files. The root's own files never
    // count; without such a sub-folder the gallery stays empty.
    GalleryFolder = forms::platform().galleryRoot();
    if (CheckFolder(GalleryFolder)) {
        GetFolderList(GalleryFolder, *FolderList);
        for (int i = 0; i < FolderList->ListCount(); ++i) {
            const std::string folder = GalleryFolder + "/" + FolderList->List(i);
            GetFileList(folder, *FileList);
            if (FileList->ListCount() > 0) {
                GalleryFolder = folder;
                break;
            }
        }
    }

    Pichidden->setVisible(false);
    DefaultScreen();

    // The Logo origin is the canvas centre in Logo units of 10 twips. It is
    // set last: the start-up key commands ran with the origin still at 0.
    Line1->setVisible(true);
    LogoOriginX = static_cast<float>(static_cast<double>(Picture4->Width()) / 20);
    LogoOriginY = forms::toInt16(static_cast<double>(Picture4->Height()) / 20);
}

void Form1::DefaultScreen() {
    // Constants, and the window over the whole screen.
    Pi = 3.1415927;
    RotatingStep = 1;
    setHeight(ScreenHeight());
    setWidth(ScreenWidth());
    setLeft(0);
    setTop(0);

    // Panels that start hidden, the help text and the empty record.
    ModeText = "Move";
    LineWidth = 1;
    Text1->setVisible(false);
    Picture5->setVisible(false);
    Picture7->setVisible(false);
    Shape2->setVisible(false);
    Shape5->setVisible(false);
    Picture9->setVisible(false);
    Picture9->setBorderStyle(0);
    Picture12->setVisible(false);
    // A missing or unreadable help file leaves the help panel empty.
    RichTextBox2->setFileName(forms::platform().programFolder() + "/HELP.RTF");
    CommandCount = 1;
    ColorIndex = 24;  // yellow
    BackColorIndex = 0;  // black
    RichTextBox1->setVisible(false);
    Picture11->setVisible(false);
    Picture13->setVisible(false);

    // The main panels; the canvas has its final size from here on.
    LayoutMainPanels();
    ColorBoxSetting();
    CommanderSetting();

    // Canvas, tool and markers.
    Picture4->setBackColor(0);
    ProgressBar1->setWidth(Picture4->Width());
    ProgressBar1->setLeft(0);
    RepaintWindow();
    MovingStep = 100;
    MinX = 0;
    MaxX = Picture4->Width();
    MinY = 0;
    MaxY = forms::toInt32(Picture4->Height());
    ToolNo = 0;
    Line2->setVisible(false);
    Line1->setVisible(false);
    for (int i = 0; i <= 3; ++i) Side(i).setVisible(false);
    Text1->setVisible(false);
    HomeX = static_cast<float>(static_cast<double>(Picture4->Width()) / 2);
    HomeY = static_cast<double>(Picture4->Height()) / 2;
    ToolLength = 1000;
    PlaceCrossAtHome();
    Eli(0).setX1(Line1->X1());
    Eli(0).setY1(Line1->Y1());
    Eli(0).setX2(Line1->X2());
    Eli(0).setY2(Line1->Y2());
    Eli(0).setVisible(false);
    Shape1->setLeft(Image1(0).Left());
    Shape1->setTop(Image1(0).Top());
    Shape3->Move(Label2(ColorIndex).Left(), Label2(ColorIndex).Top(), Label2(ColorIndex).Width(),
                 Label2(ColorIndex).Height());
    Shape4->Move(Label2(BackColorIndex).Left(), Label2(BackColorIndex).Top(), Label2(BackColorIndex).Width(),
                 Label2(BackColorIndex).Height());
    Text1->setBorderStyle(0);
    Text1->setBackColor(Picture4->BackColor());

    // Gallery strips (and the gallery itself) and the settings panel.
    LayoutStripsAndSettings();

    // Virtual centre, grid and flags.
    VirtualCenterX = HomeX;
    VirtualCenterY = HomeY;
    Line6->setX1(static_cast<float>(VirtualCenterX));
    Line6->setY1(static_cast<float>(VirtualCenterY));
    Line6->setX2(static_cast<float>(VirtualCenterX));
    Line6->setY2(static_cast<float>(VirtualCenterY));
    GridDistance = 300;
    FollowMouse = false;
    Line1->setBorderWidth(2);
    Line2->setBorderWidth(2);
    for (int i = 0; i <= 3; ++i) Side(i).setBorderWidth(2);
    for (auto& [index, member] : Eli) member->setBorderWidth(2);
    FillMode = false;
    GalleryIndex = 0;
    BackgroundSet = false;

    // Home, then 45 one-degree turns: the cross stands at the canvas centre
    // turned 45 degrees, and the caption shows the info line.
    KeyResponder(36, 0);
    for (int i = 0; i < 45; ++i) KeyResponder(39, 2);
}
