-- Each batch below holds one syntax error; the check must report them all.
select * from mz_cost
GO
selec * form mz_cost
GO
select isnull(fyprice,0 from mz_cost
GO
select code from mz_cost where fydate>=:a1
