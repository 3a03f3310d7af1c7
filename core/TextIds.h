#pragma once

// Ids of the texts a user reads, shared by the string tables in resources/lang/ and the code.
// Macros, as the resource compiler reads them too. A text with several forms separated by '|'
// has them chosen by a count: by the language's plural rule, or, for the heads-up's pause
// phrases, by the article its number takes.

#define IDS_LANGUAGE_TAG 1
#define IDS_PROGRAM_NAME 2

#define IDS_PAUSE_CAPTION 16
#define IDS_PAUSE_TITLE 17
#define IDS_PAUSE_BUTTON 18
#define IDS_TIME_LEFT 19
#define IDS_TIME_LEFT_ENOUGH 20
// What to do in a pause, one suggested at each pause, in turn.
#define IDS_IDEA_1 130
#define IDS_IDEA_2 131
#define IDS_IDEA_3 132
#define IDS_IDEA_4 133
#define IDS_IDEA_5 134
#define IDS_IDEA_6 135
#define IDS_IDEA_7 136
#define IDS_IDEA_8 137
#define IDS_IDEA_9 138
#define IDS_IDEA_10 139
#define IDS_IDEA_11 140
#define IDS_IDEA_12 141

#define IDS_CONFIGURATION_CAPTION 32
#define IDS_INTERVAL_LABEL 33
#define IDS_PAUSE_LENGTH_LABEL 34
#define IDS_OK_BUTTON 35
#define IDS_CANCEL_BUTTON 36
#define IDS_HELP_BUTTON 37
#define IDS_DIM_SCREENS_LABEL 128
#define IDS_END_SOUND_LABEL 129

#define IDS_MENU_CONFIGURE 48
#define IDS_MENU_HELP 49
#define IDS_MENU_PAUSE_REMINDERS 50
#define IDS_MENU_CLOSE 51
#define IDS_MENU_RESUME_REMINDERS 52
#define IDS_MENU_FOR_30_MINUTES 53
#define IDS_MENU_FOR_1_HOUR 54
#define IDS_MENU_FOR_2_HOURS 55
#define IDS_MENU_UNTIL_TOMORROW 56
#define IDS_MENU_TAKE_PAUSE_NOW 57

#define IDS_TIP_WAITS_AWAY 64
#define IDS_TIP_WAITS_CALL 65
#define IDS_TIP_WAITS_PRESENTATION 66
#define IDS_TIP_NEXT_PAUSE 67
#define IDS_TIP_PAUSE_LEFT 68
#define IDS_TIP_PAUSE_OVER 69
#define IDS_TIP_REMINDERS_PAUSED 70
#define IDS_TIP_REMINDERS_PAUSED_UNTIL 71

#define IDS_SAVE_FAILED 80
#define IDS_SAVE_FAILED_REASON 81
#define IDS_SAVE_FAILED_CODE 82

#define IDS_HEADS_UP 96
#define IDS_HEADS_UP_PAUSE_SECONDS 97
#define IDS_HEADS_UP_PAUSE_MINUTES 98
#define IDS_HEADS_UP_PAUSE_HOURS 99
#define IDS_HEADS_UP_IN_SECONDS 100
#define IDS_HEADS_UP_IN_MINUTES 101

#define IDS_EYE_PAUSE_CAPTION 256
#define IDS_EYE_PAUSE_TITLE 257
// The eye pause's ideas, shown in turn from the first.
#define IDS_EYE_IDEA_1 258
#define IDS_EYE_IDEA_2 259
#define IDS_EYE_IDEA_3 260
#define IDS_EYE_IDEA_4 261
#define IDS_EYE_IDEA_5 262
#define IDS_EYE_IDEA_6 263
#define IDS_EYE_PAUSES_LABEL 264
#define IDS_EYE_INTERVAL_LABEL 265
#define IDS_EYE_LENGTH_LABEL 266
#define IDS_WORKING_HOURS_LABEL 267
#define IDS_WORKING_FROM_LABEL 268
#define IDS_WORKING_TO_LABEL 269
#define IDS_CHECK_EYE_SHORTER 270
#define IDS_CHECK_HOURS_DIFFER 271
#define IDS_CHECK_ONE_DAY 272
#define IDS_TIP_NEXT_EYE_PAUSE 273
#define IDS_TIP_EYE_PAUSE_LEFT 274
#define IDS_TIP_OUTSIDE_HOURS 275
#define IDS_TIP_OUTSIDE_HOURS_NOW 276
