# Bash completion of glimtex-render: its options; the values of --format, --encoding
# and --macro-encoding; folders for --program-dir; files for MACRO; and for --apply the
# titles of the registered macros, as glimtex-render --list-macros prints them for the
# program folder typed so far. It needs nothing of the bash-completion package.

# The word as the program will get it: the shell's quotes and backslashes removed.
# Nothing in the word is expanded or run.
_glimtex_render_unquote() {
    local word=$1 out="" quote="" c i
    for ((i = 0; i < ${#word}; i++)); do
        c=${word:i:1}
        if [[ $quote == "'" ]]; then
            if [[ $c == "'" ]]; then quote=""; else out+=$c; fi
        elif [[ $c == '\' && $quote != '"' ]] ||
            [[ $c == '\' && $quote == '"' && ${word:i+1:1} == [\"\\\$\`] ]]; then
            ((i++))
            out+=${word:i:1}
        elif [[ $c == '"' ]]; then
            if [[ $quote == '"' ]]; then quote=""; else quote='"'; fi
        elif [[ $c == "'" && -z $quote ]]; then
            quote="'"
        else
            out+=$c
        fi
    done
    printf '%s' "$out"
}

# A folder as the program will get it: unquoted, and a leading ~ made the home folder.
_glimtex_render_folder() {
    local folder
    folder=$(_glimtex_render_unquote "$1")
    [[ $folder == '~' || $folder == '~/'* ]] && folder=$HOME${folder:1}
    printf '%s' "$folder"
}

# The titles of the registered macros, one to an element of the array named $1. The
# program runs its start-up for the list, on the folder given with --program-dir if
# one was typed; a folder that another run keeps is not waited for long.
_glimtex_render_titles() {
    local -n into=$1
    local program=$2 folder=$3 line escaped title c i
    local -a command=("$program")
    [[ -n $folder ]] && command+=(--program-dir "$folder")
    command+=(--list-macros)
    if type -P timeout >/dev/null; then command=(timeout 5 "${command[@]}"); fi
    into=()
    while IFS= read -r line; do
        # The title is the first field. --list-macros writes a backslash, tab, line
        # break and NUL of it as \\, \t, \n, \r and \0; no argument can hold a NUL.
        escaped=${line%%$'\t'*}
        title=""
        for ((i = 0; i < ${#escaped}; i++)); do
            c=${escaped:i:1}
            if [[ $c == '\' ]]; then
                ((i++))
                case ${escaped:i:1} in
                    t) c=$'\t' ;;
                    n) c=$'\n' ;;
                    r) c=$'\r' ;;
                    0) continue 2 ;;
                    *) c=${escaped:i:1} ;;
                esac
            fi
            title+=$c
        done
        [[ -n $title ]] && into+=("$title")
    done < <("${command[@]}" 2>/dev/null)
}

_glimtex_render() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=""
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
    local option="" prefix=""
    # "--format=c": bash splits the word at "=" when "=" is one of COMP_WORDBREAKS (its
    # default), else the option comes with the word.
    if [[ $cur == = ]]; then
        option=$prev
        cur=""
    elif [[ $prev == = ]] && ((COMP_CWORD > 1)); then
        option=${COMP_WORDS[COMP_CWORD - 2]}
    elif [[ $cur == --*=* ]]; then
        option=${cur%%=*}
        prefix=$option=
        cur=${cur#*=}
    elif [[ $prev == --* ]]; then
        option=$prev
    fi

    COMPREPLY=()
    case $option in
        --format)
            mapfile -t COMPREPLY < <(compgen -P "$prefix" -W 'html legacy css bbcode' -- "$cur")
            return
            ;;
        --encoding | --macro-encoding)
            mapfile -t COMPREPLY < <(compgen -P "$prefix" -W 'utf-8 cp932' -- "$cur")
            return
            ;;
        --program-dir)
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -d -- "$(_glimtex_render_unquote "$cur")")
            return
            ;;
        --apply)
            local folder="" i word
            for ((i = 1; i < COMP_CWORD; i++)); do
                word=${COMP_WORDS[i]}
                if [[ $word == --program-dir ]]; then
                    if [[ ${COMP_WORDS[i + 1]} == = ]]; then
                        folder=${COMP_WORDS[i + 2]}
                    else
                        folder=${COMP_WORDS[i + 1]}
                    fi
                elif [[ $word == --program-dir=* ]]; then
                    folder=${word#*=}
                fi
            done
            local -a titles
            _glimtex_render_titles titles "$(_glimtex_render_folder "${COMP_WORDS[0]}")" \
                "$(_glimtex_render_folder "$folder")"
            local typed title
            typed=$(_glimtex_render_unquote "$cur")
            for title in "${titles[@]}"; do
                [[ $title == "$typed"* ]] || continue
                # Inside a quote the user opened, the title goes in as it is; else
                # quoted, so that a title with blanks stays one argument.
                if [[ $cur == [\"\']* ]]; then
                    COMPREPLY+=("$prefix$title")
                else
                    COMPREPLY+=("$prefix$(printf '%q' "$title")")
                fi
            done
            return
            ;;
    esac

    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W '--program-dir --encoding --format
            --macro-encoding --list-macros --apply --help -h --version' -- "$cur")
        return
    fi
    # MACRO: a macro file.
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -f -- "$(_glimtex_render_unquote "$cur")")
}

complete -F _glimtex_render glimtex-render
