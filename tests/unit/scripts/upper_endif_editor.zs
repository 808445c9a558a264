' mode: editor
' The editor's own scan finds ENDIF in any case.
if (0 = 1)
? skipped
ENDIF
? reached
