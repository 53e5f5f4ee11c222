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
#define CAPTION_GET_OPEN_FILE_NAME "GetOpenFileName"
#define TEXT_FILE_NAME_REFUSED "ファイル名が長すぎるか正しくありません。"

#define TEXT_NOT_SAVED "ファイルを保存出来ませんでした。"
#define TEXT_NOT_SAVED_READ_ONLY "ファイルが読み取り専用のため、保存出来ませんでした。"
#define CAPTION_CREATE_FILE "CreateFile"
#define CAPTION_WRITE_FILE "WriteFile"
#define CAPTION_CLOSE_HANDLE "CloseHandle"
#define CAPTION_MOVE_FILE "MoveFileEx"

// Portrait files
#define CAPTION_PORTRAIT_FILE "似顔絵ファイル"
#define TEXT_OPEN_PORTRAIT_TITLE "似顔絵ファイルを開く"
#define TEXT_SAVE_PORTRAIT_TITLE "似顔絵ファイルの保存"
#define TEXT_PORTRAIT_FILTER "似顔絵ファイル(*.nigaoe)\0*.nigaoe\0AllFile(*.*)\0*.*\0"
#define TEXT_PORTRAIT_NAME "似顔絵.nigaoe"
#define TEXT_PORTRAIT_NOT_OPENED "似顔絵ファイルを開けませんでした。"
#define TEXT_PORTRAIT_LINE "%d行目: "
#define TEXT_PORTRAIT_NOT_PORTRAIT "似顔絵ファイルではありません。"
#define TEXT_PORTRAIT_NEWER_VERSION "新しい版の似顔絵ソフトで作られたファイルです。"
#define TEXT_PORTRAIT_CUT_SHORT "ファイルが途中で切れています。"
#define TEXT_PORTRAIT_NOT_UTF8 "文字が UTF-8 ではありません。"
#define TEXT_PORTRAIT_LINE_TOO_LONG "行が長すぎます。"
#define TEXT_PORTRAIT_UNKNOWN_LINE "読めない行です。"
#define TEXT_PORTRAIT_OUT_OF_RANGE "値が範囲を超えています。"
#define TEXT_PORTRAIT_REPEATED "同じ項目が二度あります。"
#define TEXT_PORTRAIT_MISSING_FIELD "足りない項目があります。"
#define TEXT_PORTRAIT_BAD_FILE_NAME "部品ファイル名が kao フォルダの中を指していません。"
#define TEXT_PORTRAIT_AFTER_END "end の後に行があります。"
#define TEXT_PORTRAIT_TOO_LARGE "ファイルが大きすぎます。"
#define TEXT_PORTRAIT_UNREADABLE "ファイルを読めませんでした。"
#define TEXT_PORTRAIT_PART_NAME "部品ファイル名が長すぎるか、この Windows で使えない文字を含んでいます。"
#define TEXT_PORTRAIT_PARTS_MISSING "次の部品ファイルが kao フォルダにないため、外して開きました。"
#define TEXT_PORTRAIT_MORE_MISSING "ほか %d 個"
#define TEXT_PORTRAIT_PHOTO_MISSING "次の参考写真が見つからないため、外して開きました。"
#define TEXT_PORTRAIT_BAD_PHOTO_NAME "参考写真のファイル名が正しくないか、ほかのコンピューターを指しています。"
#define TEXT_PORTRAIT_TYPE "似顔絵ファイル"

// Recent files and the file association
#define TEXT_NO_RECENT_FILES "(最近使ったファイルはありません)"
#define TEXT_RECENT_MISSING "次のファイルが見つかりません。最近使ったファイルの一覧から外しました。"
#define CAPTION_ASSOCIATION "ファイルの関連付け"
#define TEXT_ASSOCIATED "拡張子 .nigaoe のファイルを、このソフトで開くように登録しました。"
#define TEXT_NOT_ASSOCIATED "関連付けを登録出来ませんでした。"
#define TEXT_ASSOCIATION_REMOVED "拡張子 .nigaoe の関連付けを解除しました。"
#define TEXT_NO_ASSOCIATION "このソフトへの拡張子 .nigaoe の関連付けはありません。"
#define TEXT_ASSOCIATION_NOT_REMOVED "関連付けを解除出来ませんでした。"

// Image export and the clipboard
#define TEXT_EXPORT_TITLE "画像の書き出し"
#define TEXT_EXPORT_FILTER "PNG画像(*.png)\0*.png\0Bitmap(*.bmp)\0*.bmp\0"
#define TEXT_EXPORT_NAME "似顔絵.png"
#define TEXT_EXPORT_SCALE "%d倍 (%d x %d)"
#define TEXT_NO_CANVAS "下地の大きさが 0 のため、画像を作れません。"
#define CAPTION_WIC "Windows Imaging Component"
#define TEXT_NOT_ENCODED "PNG画像を作れませんでした。"
#define TEXT_NOT_COPIED "画像をクリップボードにコピー出来ませんでした。"
#define CAPTION_CLIPBOARD "Clipboard"

// The reference photo
#define CAPTION_PHOTO "参考写真"
#define TEXT_PHOTO_TITLE "参考写真を開く"
#define TEXT_PHOTO_FILTER "画像ファイル(*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.tif;*.tiff)\0*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.tif;*.tiff\0AllFile(*.*)\0*.*\0"
#define TEXT_PHOTO_NOT_PICTURE "参考写真を開けませんでした。画像ファイル (PNG, JPEG, BMP, GIF, TIFF) を選んでください。"
#define TEXT_PHOTO_TOO_LARGE "画像が大きすぎるため、参考写真として開けませんでした。一辺 16384 ピクセル以下、合わせて 1 億ピクセル以下の画像を選んでください。"

// Unsaved changes, a new portrait and recovery after a crash
#define TEXT_UNTITLED "無題"
// After the portrait's name in 「」.
#define TEXT_ASK_SAVE_CHANGES "への変更を保存しますか?"
#define TEXT_ASK_SAVE_DETAIL "保存しないと、変更は失われます。"
#define TEXT_SAVE_BUTTON "保存する(&S)"
#define TEXT_DONT_SAVE_BUTTON "保存しない(&N)"
#define TEXT_RECOVERY_FOUND "保存されていない似顔絵を復元しますか?"
// Before and after the portrait's name.
#define TEXT_RECOVERY_WHY "前回、似顔絵ソフトが正しく終了しなかったため、次の似顔絵の変更が残っています。"
#define TEXT_RECOVERY_DETAIL "復元しない場合、この控えは削除されます。"
#define TEXT_RECOVER_BUTTON "復元する(&R)"
#define TEXT_DISCARD_BUTTON "復元しない(&D)"

// Version
#define TEXT_VERSION_TITLE "バージョン情報"
