#!/usr/bin/env python3
"""Looks up every host function the plugin's objects call in the host's
import library, and prints "N of M host functions found in pluginsdk.lib".

A host function is a function the objects import and do not define, whose
class the SDK's headers declare (CVarWrapper::getIntValue(), ...). The
objects come from mingw g++ (Itanium names, demangled by c++filt), the
library from MSVC (its names demangled by llvm-undname); both sides are
compared as "Class::member(parameters) const", with the two compilers'
spellings of the same types made one (std::string, long long, no "class"
or "__cdecl").

usage: host-functions.py [--list] SDK_INCLUDE_DIR PLUGINSDK_LIB OBJECTS_DIR
Reads every *.o under OBJECTS_DIR, each named after its source
(src/menu/Menu.cpp.o); --list names every host function, not only the
missing ones. Exit status 0 when every host function is found, 1 otherwise.
"""
import os
import re
import shutil
import subprocess
import sys

NM_CANDIDATES = ['llvm-nm-14', 'llvm-nm']
UNDNAME_CANDIDATES = ['llvm-undname-14', 'llvm-undname']
CXXFILT_CANDIDATES = ['c++filt', 'llvm-cxxfilt-14', 'llvm-cxxfilt']

# A class or struct definition: "class BAKKESMOD_PLUGIN_IMPORT Name : public Base {".
CLASS_DEFINITION = re.compile(r'\b(?:class|struct)\s+(?:BAKKESMOD_PLUGIN_IMPORT\s+)?(\w+)\s*(?:final\s*)?(?::[^;{()]*)?\{')
# Namespaces of the standard libraries, never the host's.
FOREIGN_NAMESPACES = ('std::', '__gnu_cxx::', '__cxxabiv1::')


def tool(candidates, package):
    for name in candidates:
        path = shutil.which(name)
        if path:
            return path
    sys.exit(f'host-functions: none of {", ".join(candidates)} found (Debian package {package}; scripts/setup.sh installs it)')


def run(command, text_in=None):
    return subprocess.run(command, input=text_in, capture_output=True, text=True, check=True).stdout


def sdk_classes(include_dir):
    """The names of the classes and structs the SDK's headers define."""
    names = set()
    for folder, _, files in os.walk(include_dir):
        for name in files:
            if name.lower().endswith(('.h', '.hpp')):
                with open(os.path.join(folder, name), encoding='utf-8', errors='replace') as f:
                    names.update(CLASS_DEFINITION.findall(f.read()))
    return names


# --- one spelling for both compilers -------------------------------------

TOKEN = re.compile(r'\s*(operator\s*(?:\(\)|\[\]|new\[\]|delete\[\]|<=>|<<=|>>=|<<|>>|->\*|->|&&|\|\||\+\+|--|'
                   r'[-+*/%^&|~!=<>,]=?)|[A-Za-z_~][\w]*|::|[0-9]+|\S)')
WORD = re.compile(r'[\w~]')
REPLACEMENTS = [
    # MSVC's and GCC's spellings of the same standard types.
    (re.compile(r'\b__cxx11::'), ''),
    (re.compile(r'\[abi:\w+\]'), ''),
    (re.compile(r'std::__1::'), 'std::'),
    (re.compile(r'\bunsigned __int64\b'), 'unsigned long long'),
    (re.compile(r'\b__int64\b'), 'long long'),
    (re.compile(r'\bdecltype\(nullptr\)'), 'std::nullptr_t'),
    # A null pointer as a template argument (HookEventWithCaller<CarWrapper, 0>).
    (re.compile(r'\(\s*[\w:]+\s*\*\s*\)\s*0\b'), '0'),
    (re.compile(r'\b(?:class|struct|union|enum)\s+(?=[\w:~])'), ''),
    (re.compile(r'\b(?:__cdecl|__stdcall|__thiscall|__fastcall|__vectorcall|__ptr64|__restrict)\b'), ''),
]
STRINGS = [
    (re.compile(r'std::basic_string<char,std::char_traits<char>,std::allocator<char>>'), 'std::string'),
    (re.compile(r'std::basic_string<wchar_t,std::char_traits<wchar_t>,std::allocator<wchar_t>>'), 'std::wstring'),
    (re.compile(r'std::basic_string_view<char,std::char_traits<char>>'), 'std::string_view'),
    (re.compile(r'\(void\)'), '()'),
]


def canonical(text):
    """One spacing: a space only before a word that follows a word, ">", "*"
    or "&" ("unsigned int", "Vector2 const&", "std::string GameWrapper::"),
    none elsewhere ("std::vector<int>>", "void(*)(int)")."""
    for pattern, new in REPLACEMENTS:
        text = pattern.sub(new, text)
    out = []
    previous = ''
    for token in TOKEN.findall(text):
        if token.startswith('operator'):
            token = re.sub(r'\s+', '', token)
        if previous and (WORD.match(previous[-1]) or previous[-1] in '>*&') and WORD.match(token[0]):
            out.append(' ')
        out.append(token)
        previous = token
    text = ''.join(out)
    for pattern, new in STRINGS:
        text = pattern.sub(new, text)
    return text


def split_function(text):
    """(qualified name, parameters, qualifiers) of a demangled function, or
    None for data (vtables, variables)."""
    depth = 0
    i = 0
    operator_at = operator_end = -1
    while i < len(text):
        if text.startswith('operator', i) and (i == 0 or not WORD.match(text[i - 1])):
            # An operator's own symbols ("operator<", "operator()") are part of its name.
            m = re.match(r'operator(?:\(\)|\[\]|[^\w\s(]+|\s+[^(]+)', text[i:])
            if m:
                operator_at, operator_end = i, i + m.end()
                i = operator_end
                continue
        c = text[i]
        if c == '<':
            depth += 1
        elif c == '>':
            depth -= 1
        elif c == '(' and depth == 0:
            break
        i += 1
    else:
        return None
    # The name runs back from the parameters over identifiers, "::" and
    # template arguments; what precedes it is the return type.
    start = operator_at if operator_end == i else i
    while start > 0:
        c = text[start - 1]
        if WORD.match(c) or c == ':':
            start -= 1
        elif c == '>' and (start == i or text.startswith('::', start)):
            depth = 0
            while start > 0:
                start -= 1
                depth += {'>': 1, '<': -1}.get(text[start], 0)
                if depth == 0:
                    break
        else:
            break
    name = text[start:i]
    depth = 0
    for j in range(i, len(text)):
        if text[j] == '(':
            depth += 1
        elif text[j] == ')':
            depth -= 1
            if depth == 0:
                params = text[i + 1:j]
                qualifiers = text[j + 1:].strip()
                break
    else:
        return None
    if '::' not in name:
        return None
    return name, params, qualifiers


def member_key(demangled):
    """("Class", "Class::member(parameters) const") of a member function, or None."""
    text = canonical(demangled)
    text = re.sub(r'^(?:public|protected|private):\s*', '', text)
    text = re.sub(r'^(?:(?:static|virtual)\s+)+', '', text)
    parts = split_function(text)
    if not parts:
        return None
    name, params, qualifiers = parts
    # The class is everything up to the last "::" outside template arguments.
    depth = 0
    cut = -1
    for k, c in enumerate(name):
        if c == '<':
            depth += 1
        elif c == '>':
            depth -= 1
        elif depth == 0 and name.startswith('::', k):
            cut = k
    owner, member = name[:cut], name[cut + 2:]
    # MSVC names a class template's constructor and destructor with the
    # template's arguments (ArrayWrapper<CarWrapper>::~ArrayWrapper<CarWrapper>).
    base = owner.split('::')[-1]
    if '<' in base and member.lstrip('~') == base:
        member = member.replace(base, base.split('<')[0])
        name = f'{owner}::{member}'
    key = f'{name}({params})'
    if re.search(r'\bconst\b', qualifiers):
        key += ' const'
    return owner, key


# --- the two sides ---------------------------------------------------------

def object_symbols(nm, objects):
    """{object: (defined, undefined)} symbol names, from one nm run."""
    symbols = {}
    current = None
    for line in run([nm, '--no-sort', *objects]).splitlines():
        fields = line.split()
        if line.endswith(':') and line[:-1] in symbols.keys() | set(objects):
            current = symbols.setdefault(line[:-1], (set(), set()))
        elif current is None:
            continue
        elif len(fields) == 2 and fields[0] == 'U':
            current[1].add(fields[1])
        elif len(fields) == 3 and fields[1] not in 'Uw':
            current[0].add(fields[2])
    return symbols


def host_calls(nm, cxxfilt, classes, objects):
    """{key: set of objects} for every host function the objects call."""
    defined = set()
    wanted = {}
    for obj, (d, u) in object_symbols(nm, objects).items():
        defined |= d
        for symbol in u:
            wanted.setdefault(symbol.removeprefix('__imp_'), set()).add(obj)
    # Itanium names only: the C functions of Windows' own libraries have none.
    names = sorted(s for s in wanted if s not in defined and s.startswith('_Z'))
    demangled = run([cxxfilt], '\n'.join(names) + '\n').splitlines()
    calls = {}
    for symbol, text in zip(names, demangled):
        parsed = member_key(text)
        if not parsed:
            continue
        owner, key = parsed
        if owner.startswith(FOREIGN_NAMESPACES) or owner.split('::')[-1].split('<')[0] not in classes:
            continue
        calls.setdefault(key, set()).update(wanted[symbol])
    return calls


def library_functions(nm, undname, lib):
    """The keys of every member function the import library exports."""
    symbols = set()
    for line in run([nm, lib]).splitlines():
        fields = line.split()
        if len(fields) == 3 and fields[1] == 'T' and fields[2].startswith('?'):
            symbols.add(fields[2])
    symbols = sorted(symbols)
    result = subprocess.run([undname], input='\n'.join(symbols) + '\n', capture_output=True, text=True)
    # llvm-undname echoes each name, then its demangled form (nothing when it
    # cannot), then an empty line.
    lines = result.stdout.split('\n')
    keys = set()
    i = 0
    for symbol in symbols:
        while i < len(lines) and lines[i] != symbol:
            i += 1
        if i + 1 < len(lines) and lines[i + 1]:
            parsed = member_key(lines[i + 1])
            if parsed:
                keys.add(parsed[1])
        i += 1
    return keys


def main():
    args = sys.argv[1:]
    listing = '--list' in args
    args = [a for a in args if a != '--list']
    if len(args) != 3:
        sys.exit('usage: host-functions.py [--list] SDK_INCLUDE_DIR PLUGINSDK_LIB OBJECTS_DIR')
    include_dir, lib, objects_dir = args
    objects = sorted(os.path.join(folder, name) for folder, _, names in os.walk(objects_dir)
                     for name in names if name.endswith('.o'))
    nm = tool(NM_CANDIDATES, 'llvm-14')
    undname = tool(UNDNAME_CANDIDATES, 'llvm-14')
    cxxfilt = tool(CXXFILT_CANDIDATES, 'binutils')
    calls = host_calls(nm, cxxfilt, sdk_classes(include_dir), objects) if objects else {}
    exported = library_functions(nm, undname, lib)
    missing = sorted(k for k in calls if k not in exported)
    source = lambda o: os.path.relpath(o, objects_dir).removesuffix('.o')
    for key in sorted(calls) if listing else missing:
        state = 'found in' if key in exported else 'not in'
        callers = ', '.join(sorted(source(o) for o in calls[key]))
        print(f'  {state} {os.path.basename(lib)}: {key}   (called from {callers})')
    found = len(calls) - len(missing)
    print(f'check-host-sdk: {found} of {len(calls)} host functions found in {os.path.basename(lib)}')
    return 0 if calls and not missing else 1


if __name__ == '__main__':
    sys.exit(main())
