/* SPDX-License-Identifier: GPL-3.0-or-later
 *
 * The FLINT functions the program calls, as entry points of its own that
 * load FLINT on the first call of any of them (x86-64 System V). FLINT
 * brings NTL, MPFR and gf2x with it, some thousands of symbols to bind and a
 * few megabytes to map, which a launcher that has calculated nothing yet
 * need not pay for.
 *
 * Each entry jumps through its slot. A slot first holds the entry's
 * resolver, which pushes the entry's index and goes to the common part:
 * that saves the argument registers, asks VorantelResolveFlint (LazyFlint.cpp)
 * for the function's address, which it also stores in the slot, restores
 * the registers and jumps to the function, as if called directly. Later
 * calls jump straight through the slot.
 *
 * A FLINT function not named here is an undefined reference when the program
 * is linked: add its name at the end of the list.
 */

    .section .data.vorantel_flint_slots, "aw"
    .p2align 3
    .globl vorantel_flint_slots
    .hidden vorantel_flint_slots
vorantel_flint_slots:

    .section .data.rel.ro.vorantel_flint_names, "aw"
    .p2align 3
    .globl vorantel_flint_names
    .hidden vorantel_flint_names
vorantel_flint_names:

    .set flint_index, 0

    .macro lazy name
    .text
    .p2align 4
    .globl \name
    .hidden \name
    .type \name, @function
\name:
    jmp *.Lslot_\name(%rip)
    .size \name, . - \name
.Lresolve_\name:
    pushq $flint_index
    jmp .Lresolve_common

    .section .data.vorantel_flint_slots, "aw"
.Lslot_\name:
    .quad .Lresolve_\name

    .section .rodata.vorantel_flint_texts, "a"
.Ltext_\name:
    .asciz "\name"

    .section .data.rel.ro.vorantel_flint_names, "aw"
    .quad .Ltext_\name

    .set flint_index, flint_index + 1
    .endm

    .text
    .p2align 4
.Lresolve_common:
    /* On entry: the index at (%rsp), the caller's return address above it.
       The frame is described for debuggers and stack traces. */
    .cfi_startproc
    .cfi_def_cfa_offset 16
    pushq %rbp
    .cfi_def_cfa_offset 24
    .cfi_offset %rbp, -24
    movq %rsp, %rbp
    .cfi_def_cfa_register %rbp
    subq $192, %rsp
    andq $-16, %rsp
    movq %rdi, 0(%rsp)
    movq %rsi, 8(%rsp)
    movq %rdx, 16(%rsp)
    movq %rcx, 24(%rsp)
    movq %r8, 32(%rsp)
    movq %r9, 40(%rsp)
    movq %rax, 48(%rsp)
    movdqa %xmm0, 64(%rsp)
    movdqa %xmm1, 80(%rsp)
    movdqa %xmm2, 96(%rsp)
    movdqa %xmm3, 112(%rsp)
    movdqa %xmm4, 128(%rsp)
    movdqa %xmm5, 144(%rsp)
    movdqa %xmm6, 160(%rsp)
    movdqa %xmm7, 176(%rsp)
    movq 8(%rbp), %rdi
    call VorantelResolveFlint
    movq %rax, %r11
    movq 0(%rsp), %rdi
    movq 8(%rsp), %rsi
    movq 16(%rsp), %rdx
    movq 24(%rsp), %rcx
    movq 32(%rsp), %r8
    movq 40(%rsp), %r9
    movq 48(%rsp), %rax
    movdqa 64(%rsp), %xmm0
    movdqa 80(%rsp), %xmm1
    movdqa 96(%rsp), %xmm2
    movdqa 112(%rsp), %xmm3
    movdqa 128(%rsp), %xmm4
    movdqa 144(%rsp), %xmm5
    movdqa 160(%rsp), %xmm6
    movdqa 176(%rsp), %xmm7
    movq %rbp, %rsp
    popq %rbp
    .cfi_def_cfa %rsp, 16
    addq $8, %rsp
    .cfi_def_cfa_offset 8
    jmp *%r11
    .cfi_endproc

    lazy _fmpz_clear_mpz
    lazy _fmpz_new_mpz
    lazy _fmpz_promote
    lazy flint_free
    lazy fmpq_add
    lazy fmpq_cmp
    lazy fmpq_mul
    lazy fmpq_set_fmpz_frac
    lazy fmpq_set_si
    lazy fmpq_sub
    lazy fmpz_abs
    lazy fmpz_abs_fits_ui
    lazy fmpz_add
    lazy fmpz_bits
    lazy fmpz_cmp
    lazy fmpz_cmpabs
    lazy fmpz_divexact
    lazy fmpz_divexact_ui
    lazy fmpz_divisible_si
    lazy fmpz_equal
    lazy fmpz_fac_ui
    lazy fmpz_factor
    lazy fmpz_factor_clear
    lazy fmpz_factor_init
    lazy fmpz_factor_pollard_brent
    lazy fmpz_fdiv_q
    lazy fmpz_fits_si
    lazy fmpz_gcd
    lazy fmpz_get_d
    lazy fmpz_get_d_2exp
    lazy fmpz_get_si
    lazy fmpz_get_str
    lazy fmpz_get_ui
    lazy fmpz_is_prime
    lazy fmpz_is_probabprime
    lazy fmpz_mul
    lazy fmpz_poly_clear
    lazy fmpz_poly_content
    lazy fmpz_poly_derivative
    lazy fmpz_poly_div
    lazy fmpz_poly_equal
    lazy fmpz_poly_evaluate_fmpq
    lazy fmpz_poly_factor
    lazy fmpz_poly_factor_clear
    lazy fmpz_poly_factor_init
    lazy fmpz_poly_gcd
    lazy fmpz_poly_get_coeff_fmpz
    lazy fmpz_poly_init
    lazy fmpz_poly_mul
    lazy fmpz_poly_neg
    lazy fmpz_poly_primitive_part
    lazy fmpz_poly_pseudo_rem
    lazy fmpz_poly_scalar_divexact_fmpz
    lazy fmpz_poly_scalar_mul_fmpz
    lazy fmpz_poly_set
    lazy fmpz_poly_set_coeff_fmpz
    lazy fmpz_poly_set_ui
    lazy fmpz_pow_ui
    lazy fmpz_set
    lazy fmpz_set_str
    lazy fmpz_sgn
    lazy fmpz_sizeinbase
    lazy fmpz_sqrt
    lazy fmpz_sqrtrem
    lazy fmpz_sub
    lazy fmpz_tdiv_q
    lazy fmpz_tdiv_qr
    lazy n_factor
    lazy n_factor_trial
    lazy n_is_prime
    lazy n_primes_arr_readonly

    .section .data.rel.ro.vorantel_flint_names, "aw"
    .globl vorantel_flint_count
    .hidden vorantel_flint_count
vorantel_flint_count:
    .quad flint_index

    .section .note.GNU-stack, "", @progbits
