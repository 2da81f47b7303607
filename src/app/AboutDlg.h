#pragma once

#include "framework/Dialog.h"

// The About box of the shell's window menu: icon, name and version, 确定.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
