' mode: both
public pub = 9
a = 1 + 2
b = -5 x
c = a
d = pub
e = len hello
f = some text
? [a]|[b]|[c]|[d]|[e]|[f]
pub = 4
? <(pub)>
