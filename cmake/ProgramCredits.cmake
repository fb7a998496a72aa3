# The credits shown by the desktop program and by the page, chosen when they are built.
set(COLDESIGN_DEVELOPER_NAME "فريق التطوير" CACHE STRING
    "Developer name in the credits of the notes window and in the farewell message")
set(COLDESIGN_SUPPORT_PHONE "+44 20 7946 0000" CACHE STRING
    "Support telephone number in the notes window and in the farewell message")
