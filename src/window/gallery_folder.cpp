// The folder operations that start-up uses to find the gallery folder: bare
// names of sub-folders and of picture files. A folder that cannot be read
// lists nothing; listing never fails.
#include "forms/platform.h"
#include "window/form1.h"
#include "window/gallery_files.h"

bool Form1::CheckFolder(const std::string& FolderSpec) { return forms::Platform::folderExists(FolderSpec); }

void Form1::GetFolderList(const std::string& FolderSpec, ListBox& Cont) {
    Cont.Clear();
    Cont.Refresh();
    for (const std::string& name : forms::Platform::subFolders(FolderSpec)) Cont.AddItem(name);
}

void Form1::GetFileList(const std::string& FolderSpec, ListBox& Cont) {
    Cont.Clear();
    Cont.Refresh();
    for (const std::string& name : forms::Platform::files(FolderSpec))
        if (gallery::isListedPicture(name)) Cont.AddItem(name);
}
