' The compiler only finds lower-case endif lines: the false if jumps past the end.
if (0 = 1)
? skipped
ENDIF
? also skipped
