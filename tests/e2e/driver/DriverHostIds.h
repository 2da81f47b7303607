#pragma once

// Shared by the driver's host program, its resources and its test.

#define IDD_HOST 100
#define IDD_POPUP 101
#define IDD_NESTED 102
#define IDD_PROMPT 103

#define IDC_PRESS 1001
#define IDC_DISABLED 1002
#define IDC_EDIT 1003
#define IDC_STATUS 1004
#define IDC_SWATCH 1005
#define IDC_HIDDEN 1006
#define IDC_HANG 1007
#define IDC_QUIT 1008
#define IDC_LABEL 1009
#define IDC_HISTORY 1010
#define IDC_POPUP_CLOSE 1101
#define IDC_PROMPT_TEXT 1301
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Where the host puts its windows on the screen, and the swatch inside the main dialog's client
// area, in pixels: the test checks what it reads against these.
#define HOST_MAIN_X 80
#define HOST_MAIN_Y 80
#define HOST_POPUP_X 640
#define HOST_POPUP_Y 80
#define HOST_NESTED_X 640
#define HOST_NESTED_Y 360
#define HOST_PROMPT_X 80
#define HOST_PROMPT_Y 560
#define HOST_SWATCH_X 16
#define HOST_SWATCH_Y 150
#define HOST_SWATCH_CX 96
#define HOST_SWATCH_CY 40

// The prompt's drag band: this high along the top of its client area, less this much on the right.
#define HOST_BAND_CY 24
#define HOST_BAND_RIGHT 26

// The exit codes the host ends with: its Quit button, and a close of its main dialog.
#define HOST_EXIT_QUIT 3
#define HOST_EXIT_CLOSE 0

// Window titles; the prompt's is Chinese, as the tool's are.
#define HOST_MAIN_TITLE "Driver Host"
#define HOST_POPUP_TITLE "Driver Popup"
#define HOST_NESTED_TITLE "Driver Nested"
#define HOST_PROMPT_TITLE "驱动提示"
