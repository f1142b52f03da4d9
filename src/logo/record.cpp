// The command record and what runs its lines: appending with the duplicate
// check, the flood fill service, the one-line interpreter and the replay.
#include "forms/numbers.h"
#include "forms/platform.h"
#include "logo/draw_command.h"
#include "window/form1.h"

bool Form1::AppendCommand(const std::string& text) {
    if (CommandCount < 1 || CommandCount > kRecordSize) {
        // The record is full: the drawing stays on the canvas, nothing more
        // is recorded, and the user hears of it once.
        if (!RecordFullReported) {
            RecordFullReported = true;
            forms::platform().msgBox(
                "The command record is full (20000 lines). Further drawing is not recorded.",
                forms::vbOKOnly, "VRK");
        }
        return false;
    }
    CommandArray[CommandCount] = text;
    CommandCount = static_cast<int16_t>(CommandCount + 1);
    return true;
}

void Form1::CheckLogocommandArray() {
    if (CommandCount > 2 && CommandArray[CommandCount - 1] == CommandArray[CommandCount - 2]) {
        CommandArray[CommandCount - 1].clear();
        CommandCount = static_cast<int16_t>(CommandCount - 1);
    }
}

void Form1::Pic_Flood(int16_t Num, int16_t x, int16_t y) {
    if (Num != 0) return;
    try {
        Picture4->setFillStyle(0);
        Picture4->setFillColor(Picture4->ForeColor());
        Picture4->FloodFill(x, y);
        Picture4->Refresh();
    } catch (const forms::RuntimeError&) {
        // A fill that cannot be made leaves the canvas as it is.
    }
}

void Form1::RunLogoLine(const std::string& line) {
    const auto cmd = logo::parse(line);
    if (!cmd) return;
    try {
        // A recorded background change replays as one: later clears keep
        // the colour, as they did when it was drawn.
        if (cmd->word == logo::Word::STAMPRECTRGB) Picture4->setBackColor(cmd->color);
        logo::drawCommand(*Picture4, *cmd, LogoOriginX, LogoOriginY, Resolution);
        Picture4->Refresh();
    } catch (const forms::RuntimeError&) {
        // A line that fails is skipped; the next one runs.
    }
}

void Form1::Timer2_Timer() {
    if (ReplayIndex == 0) {
        Picture4->Cls();
        ReplayIndex = 1;
    }
    if (ReplayIndex < CommandCount && ReplayIndex <= kRecordSize) {
        const std::string& line = CommandArray[ReplayIndex];
        RunLogoLine(line);
        // A pen or position command makes the replay skip the line after it.
        ReplayIndex += logo::isReplaySkipMarker(line) ? 2 : 1;
    }
    if (ReplayIndex >= CommandCount || ReplayIndex > kRecordSize) {
        ReplayIndex = 0;
        Timer2->setEnabled(false);
    }
}
