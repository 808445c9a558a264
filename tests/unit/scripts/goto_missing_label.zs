' mode: both
? before
GOTO nowhere
? after
