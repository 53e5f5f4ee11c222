// Every text the program shows in a message box, in one place. The sources
// are UTF-8; the compiler turns these into code page 932 bytes.
#pragma once

#define TEXT_FAILED "失敗しました。"
#define CAPTION_CREATE_DC "CreateCompatibleDC"

#define TEXT_NO_DIB "DIBが作成出来ませんでした。"
#define CAPTION_DEBUG "デバック"

#define TEXT_NO_BROWSER "Internet Explorerが見つかりませんでした。"
#define CAPTION_CREATE_PROCESS "CreateProcess"

#define TEXT_START_DIR_TOO_LONG "起動したフォルダのパスが長すぎます。短いパスのフォルダから起動してください。"
#define CAPTION_START_DIR "GetCurrentDirectory"

#define TEXT_NO_EDITOR_WINDOW "画面を作成出来ませんでした。"
#define CAPTION_CREATE_DIALOG "CreateDialog"
