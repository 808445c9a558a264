' mode: editor
? start
IF 0
? not reached
