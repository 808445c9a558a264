' mode: editor
? x) && y
? after
