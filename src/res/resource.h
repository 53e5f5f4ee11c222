// Resource and control ids, shared by the .rc file and the window code.
#pragma once

// Dialog templates, icon, the editor's menu bar and its keys
#define IDD_PREVIEW 12
#define IDD_EDITOR 13
// The editor dialog's font size in points: its units, and so its scale on
// the display, follow it.
#define EDITOR_FONT_POINTS 9
#define IDD_EXPORT 14
#define IDI_PROGRAM 12
#define IDR_EDITOR_MENU 13
#define IDR_EDITOR_KEYS 13

// Editor window: part commands
#define IDC_OFF 101
#define IDC_HAIR_LABEL 102
#define IDC_FRONT_HAIR 103
#define IDC_BACK_HAIR 104
#define IDC_PART_WIDER 105
#define IDC_PART_NARROWER 106
#define IDC_PART_TALLER 107
#define IDC_PART_SHORTER 108
#define IDC_BASE_WIDER 109
#define IDC_BASE_TALLER 110
#define IDC_BASE_NARROWER 111
#define IDC_BASE_SHORTER 112
#define IDC_BASE_LABEL 113
#define IDC_PART_LABEL 114
#define IDC_PART_LARGER 115
#define IDC_PART_SMALLER 116
#define IDC_ROTATE_RIGHT 117
#define IDC_ROTATE_LEFT 118
#define IDC_ANGLE_ZERO 119
#define IDC_COLOUR 120
#define IDC_MOVE_UP 121
#define IDC_MOVE_DOWN 122
#define IDC_MOVE_LEFT 123
#define IDC_MOVE_RIGHT 124
#define IDC_NEXT_PIECE 126
#define IDC_PREVIOUS_PIECE 127
#define IDC_PREVIOUS_PAGE 131
#define IDC_NEXT_PAGE 132
#define IDC_SAVE 133
#define IDC_CLOSE 134
#define IDC_SHOW_HELP 135

// Editor window: commands of the menu bar and the keys, beside the buttons'
#define IDC_UNDO 141
#define IDC_REDO 142
#define IDC_OPEN_PORTRAIT 150
#define IDC_SAVE_PORTRAIT 151
#define IDC_SAVE_PORTRAIT_AS 152
#define IDC_EXPORT_IMAGE 153
#define IDC_COPY_IMAGE 154
#define IDC_SHOW_VERSION 155
#define IDC_NEW_PORTRAIT 156
#define IDC_ASSOCIATE 157
#define IDC_REMOVE_ASSOCIATION 158
// The recent files, newest first: one id each, in order
#define IDC_RECENT_FIRST 160
#define IDC_RECENT_LAST 167
#define IDC_RANDOM_PORTRAIT 170
#define IDC_RANDOM_PART 171
#define IDC_CANCEL_DRAG 172
// Making a likeness: flip, colours, locks and the colour picker
#define IDC_FLIP_PART 210
#define IDC_LOCK_PART 211
#define IDC_PICK_COLOUR 212
#define IDC_MATCH_COLOURS 213

// Editor window: the View menu
#define IDC_ZOOM_1 190  // 1倍 to 6倍, in order
#define IDC_ZOOM_2 191
#define IDC_ZOOM_3 192
#define IDC_ZOOM_4 193
#define IDC_ZOOM_5 194
#define IDC_ZOOM_6 195
#define IDC_ZOOM_FIRST IDC_ZOOM_1
#define IDC_ZOOM_LAST IDC_ZOOM_6
#define IDC_ZOOM_IN 196
#define IDC_ZOOM_OUT 197
#define IDC_ZOOM_ONE 198
#define IDC_GRID 199

// Editor window: the reference photo, in the View menu
#define IDC_PHOTO_OPEN 230
#define IDC_PHOTO_HIDE 231
#define IDC_PHOTO_CLOSE 232
#define IDC_PHOTO_STRENGTH_25 233  // 25, 50 and 75 %, in order
#define IDC_PHOTO_STRENGTH_50 234
#define IDC_PHOTO_STRENGTH_75 235
#define IDC_PHOTO_STRENGTH_FIRST IDC_PHOTO_STRENGTH_25
#define IDC_PHOTO_STRENGTH_LAST IDC_PHOTO_STRENGTH_75

// Editor window: category buttons, 5000 + category number
#define IDC_CATEGORY_BASE 5000
#define IDC_CATEGORY_FACE 5001
#define IDC_CATEGORY_OTHER 5002
#define IDC_CATEGORY_EYES 5003
#define IDC_CATEGORY_EYEBROWS 5004
#define IDC_CATEGORY_NOSE 5005
#define IDC_CATEGORY_MOUTH 5006
#define IDC_CATEGORY_EARS 5007
#define IDC_CATEGORY_DISABLED 5008
#define IDC_CATEGORY_MOUSTACHE 5009
#define IDC_CATEGORY_BEARD 5010
#define IDC_CATEGORY_HAIR 5011
#define IDC_CATEGORY_GLASSES 5012

// Editor window: the two etched frames, round the canvas and the palette
#define IDC_CANVAS_FRAME 180
#define IDC_PALETTE_FRAME 181

// Preview window (its own ids; the editor uses the same numbers otherwise)
#define IDC_PREVIEW_SAVE 107
#define IDC_PREVIEW_CANCEL 108
#define IDC_PREVIEW_HELP 109

// Export options window
#define IDC_EXPORT_SCALE 201
#define IDC_EXPORT_TRANSPARENT 202
#define IDC_EXPORT_SCALE_LABEL 203
