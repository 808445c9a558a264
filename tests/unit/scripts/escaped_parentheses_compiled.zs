' ":[" written in a script reads as "(" in a compiled line too, as in the code editor.
? a:[1:]
FOR f = x:[1:] y
? [f]
NEXT f
