' mode: both
? a
FUNCTION f
? inside
END FUNCTION
3 + x
? b
END
? not reached
