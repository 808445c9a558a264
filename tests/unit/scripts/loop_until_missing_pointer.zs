' mode: both
#compileflags=1
LOOP.UNTIL nolabel 0
? after
