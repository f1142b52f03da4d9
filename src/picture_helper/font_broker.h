// The font files libwmf reads to draw a metafile's text, opened before the
// helper confines itself and handed out again afterwards: under the system
// call filter an open() traps here, and is answered from these files alone.
// Linux on x86-64; elsewhere a metafile's text is drawn without fonts.
#pragma once

namespace picture_helper {

// Opens every font file libwmf may ask for (its font folder, its font
// maps) while files may still be opened.
void openFontFiles();

// The answer to an open() that the system call filter trapped: a new
// descriptor of one of the font files (read from its start), -ENOENT for
// any other name in a font folder or font map that was not there, or
// nothing (-1) for a name that is none of them: then the helper ends
// (SIGSYS), as for any other forbidden call. Async-signal-safe.
void installOpenTrap();

}  // namespace picture_helper
