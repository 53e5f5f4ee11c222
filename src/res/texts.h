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

#define CAPTION_GET_DC "GetDC"
#define CAPTION_CREATE_BITMAP "CreateCompatibleBitmap"
#define CAPTION_SELECT_OBJECT "SelectObject"
#define CAPTION_BITBLT "BitBlt"
#define CAPTION_GET_DIBITS "GetDIBits"

#define TEXT_NO_MEMORY "メモリが確保出来ませんでした。"
#define CAPTION_GLOBAL_ALLOC "GlobalAlloc"

#define TEXT_SAVE_TITLE "ファイルの保存"
// Pairs of a shown name and its pattern, closed by an extra zero.
#define TEXT_SAVE_FILTER "Bitmap(*.bmp)\0*.bmp\0AllFile(*.*)\0*.*\0"
#define TEXT_SAVE_NAME_REFUSED "ファイル名が長すぎるか正しくないため、保存出来ませんでした。"
#define CAPTION_GET_SAVE_FILE_NAME "GetSaveFileName"

#define TEXT_NOT_SAVED "ファイルを保存出来ませんでした。"
#define CAPTION_CREATE_FILE "CreateFile"
#define CAPTION_WRITE_FILE "WriteFile"
#define CAPTION_CLOSE_HANDLE "CloseHandle"
#define CAPTION_MOVE_FILE "MoveFileEx"
