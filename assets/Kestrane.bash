# Bash completion for Moravel's command line (Kestrane, and its link moravel).
# Plain bash: it needs nothing of the bash-completion package but its loader.

_moravel()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local command=${COMP_WORDS[1]} program=${COMP_WORDS[0]}
    COMPREPLY=()
    if ((COMP_CWORD == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "report picture profiles open today --help --version" -- "$cur")
        return
    fi
    case $prev in
    --profile)
        # Descriptions are matched here, never handed to compgen -W, which would expand them.
        [[ $program == "~/"* ]] && program=$HOME/${program#"~/"}
        # The word as typed, without its quoting: an opening ' or ", or backslashes.
        local typed=$cur quote=
        if [[ $typed == [\'\"]* ]]; then
            quote=${typed:0:1}
            typed=${typed:1}
            [[ $quote == '"' ]] && typed=${typed//\\\\/\\}
        else
            local plain= i
            for ((i = 0; i < ${#typed}; i++)); do
                [[ ${typed:i:1} == \\ ]] && ((i++))
                plain+=${typed:i:1}
            done
            typed=$plain
        fi
        local name
        while IFS= read -r name; do
            [[ $name == "$typed"* ]] || continue
            # Inside an open quote readline keeps the quote; else the name is escaped.
            if [[ -n $quote ]]; then
                COMPREPLY+=("$name")
            else
                COMPREPLY+=("$(printf '%q' "$name")")
            fi
        done < <("$program" profiles 2>/dev/null | cut -f2)
        return
        ;;
    --format)
        local formats="text json"
        [[ $command == report ]] && formats="text json ics"
        mapfile -t COMPREPLY < <(compgen -W "$formats" -- "$cur")
        return
        ;;
    --date)
        mapfile -t COMPREPLY < <(compgen -W "$(date +%F)" -- "$cur")
        return
        ;;
    --days)
        return
        ;;
    --output)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
        ;;
    esac
    local options=
    case $command in
    report) options="--profile --date --days --format --help" ;;
    picture) options="--profile --date --days --output --help" ;;
    profiles) options="--format --help" ;;
    open) options="--profile --date --help" ;;
    today) options="--help" ;;
    --help) ((COMP_CWORD == 2)) && options="report picture profiles open today" ;;
    esac
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
}
complete -F _moravel Kestrane moravel
