-- Statements in the style the screens send, and a table and a procedure as the server holds
-- them. Every batch here must parse.
select * from mz_cost where convert(varchar(10),fydate,20)>=:a1 and convert(varchar(10),fydate,20)<=:a2
GO
select convert(char(10),fydate,20) as rq,sum(isnull(fyprice,0)) as je from mz_cost
where depa like :depa group by convert(char(10),fydate,20) order by rq
GO
delete mz_total
GO
insert into mz_total(code,name,price) select code,name,sum(isnull(fyprice,0)) from mz_cost group by code,name
GO
select top 1 neirong from data_xtconfig where neirong<>'药库药品出库报表: 12:30'
GO
update data_oper set pass=:a1 where code=:a2
GO
create table mz_total (
  id int identity(1,1) not null primary key,
  code varchar(10) not null,
  name varchar(40) null,
  price money null default 0,
  fydate datetime null
)
GO
create procedure p_mz_total
  @startdate varchar(10),
  @enddate varchar(10),
  @total money output,
  @rows int output
as
begin
  set nocount on
  delete mz_total
  insert into mz_total(code,name,price)
    select code,name,sum(isnull(fyprice,0)) from mz_cost
    where convert(char(10),fydate,20) between @startdate and @enddate
    group by code,name
  select @total=isnull(sum(price),0),@rows=count(*) from mz_total
  select * from mz_total order by code
end
GO
declare @b money, @n int
exec p_mz_total @startdate='2024-01-01', @enddate='2024-01-31', @total=@b output, @rows=@n output
select @b as total, @n as rows
go
