#!/usr/bin/env python3
"""Prints the include cycles among the modules of src/, largest first, with
the folders each spans. A module is a header and its source (the path without
its extension); an edge is an #include "..." of another module. -v names the
modules of each cycle."""
import os, re, sys
args = [a for a in sys.argv[1:] if not a.startswith('-')]
root = args[0] if args else 'src'
mods, edges = set(), {}
inc = re.compile(r'#include "([^"]+)"')
for d, _, fs in os.walk(root):
    for f in fs:
        if not f.endswith(('.h', '.cpp')): continue
        p = os.path.join(d, f); m = os.path.relpath(p, root).rsplit('.', 1)[0]
        mods.add(m)
        for line in open(p, encoding='utf-8', errors='replace'):
            r = inc.search(line)
            if r: edges.setdefault(m, set()).add(r.group(1).rsplit('.', 1)[0])
for m in mods: edges[m] = {t for t in edges.get(m, set()) if t in mods and t != m}
sys.setrecursionlimit(10000)
idx, low, st, on, out, c = {}, {}, [], set(), [], [0]
def sc(v):
    idx[v] = low[v] = c[0]; c[0] += 1; st.append(v); on.add(v)
    for w in edges[v]:
        if w not in idx: sc(w); low[v] = min(low[v], low[w])
        elif w in on: low[v] = min(low[v], idx[w])
    if low[v] == idx[v]:
        comp = []
        while True:
            w = st.pop(); on.discard(w); comp.append(w)
            if w == v: break
        if len(comp) > 1: out.append(sorted(comp))
for m in sorted(mods):
    if m not in idx: sc(m)
out.sort(key=len, reverse=True)
print(len(mods), 'modules')
for comp in out:
    folders = sorted({x.split('/')[0] if '/' in x else '.' for x in comp})
    print(f'cycle of {len(comp)} modules across {len(folders)} folders: {folders}')
    if '-v' in sys.argv: print('   ', ' '.join(comp))
