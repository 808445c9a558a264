' mode: both
GOSUB sub
? back with [return]
GOSUB sub
? again
GOTO finish
? skipped
sub:
? in sub
RETURN 5
finish:
? finished
RETURN
? not reached: RETURN without GOSUB ends the run
