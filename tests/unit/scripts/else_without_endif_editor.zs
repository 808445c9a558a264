' mode: editor
IF 1
? true branch
ELSE
? not reached
